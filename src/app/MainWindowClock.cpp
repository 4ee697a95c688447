// The clock labels and the automatic or manual date mode.
#include <QAction>
#include <QLabel>
#include <QLineEdit>

#include "app/MainWindow.h"

using namespace settings_keys;

void MainWindow::Timer1_Timer() {
  const kmb::ClockReading utc = ctx_.clock.utcNow();
  label37_->setText(QString::fromStdString(kmb::TimeText(utc).substr(0, 5)) + QStringLiteral(" Utc"));
  label34_->setText(QString::fromStdString(kmb::TimeText(ctx_.clock.localNow()).substr(0, 5)) +
                    QStringLiteral(" Loc"));
  label33_->setText(QString::fromStdString(kmb::DateText(utc)));
}

bool MainWindow::automaticDate() const { return mnuDateAuto_->isChecked(); }

void MainWindow::Mnu_Date_Auto_Click() {
  mnuDateAuto_->setChecked(true);
  mnuDateMan_->setChecked(false);
  dateA_->clear();
  ctx_.settings.write(stationSection(), kDateAuto, QStringLiteral("Oui"));
}

void MainWindow::Mnu_Date_Man_Click() {
  mnuDateAuto_->setChecked(false);
  mnuDateMan_->setChecked(true);
  ctx_.settings.write(stationSection(), kDateAuto, QStringLiteral("Non"));
}
