#include "ui/reports/ImportProgressDialog.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/kit/WidgetHelpers.h"
#include "ui/kit/WindowKeys.h"

namespace {

constexpr int kCountRefreshMs = 100;

QString RecordsRead(std::size_t count) {
  return count < 2 ? QStringLiteral("%1 enregistrement lu").arg(count)
                   : QStringLiteral("%1 enregistrements lus").arg(count);
}

}  // namespace

ImportProgressDialog::ImportProgressDialog(const QString& caption, std::function<std::size_t()> recordsRead,
                                           QWidget* parent)
    : QDialog(parent), recordsRead_(std::move(recordsRead)) {
  setObjectName(QStringLiteral("Lecture_ADIF"));
  setWindowTitle(caption);
  text_ = Named(new QLabel(this), "Compte_Lecture");
  auto* busy = new QProgressBar(this);
  busy->setRange(0, 0);  // the number of records is known only at the end
  cancel_ = Named(new QPushButton(QStringLiteral("Annuler"), this), "Annuler");
  connect(cancel_, &QPushButton::clicked, this, &ImportProgressDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_);
  layout->addWidget(busy);
  layout->addWidget(cancel_, 0, Qt::AlignRight);
  PressButtonsOnEnter(*this);
  cancel_->setFocus();
  showCount();
  auto* ticks = new QTimer(this);
  connect(ticks, &QTimer::timeout, this, &ImportProgressDialog::showCount);
  ticks->start(kCountRefreshMs);
}

void ImportProgressDialog::showCount() {
  if (cancel_->isEnabled()) text_->setText(QStringLiteral("Lecture du fichier ADIF…\n") + RecordsRead(recordsRead_()));
}

void ImportProgressDialog::reject() {
  if (!cancel_->isEnabled()) return;
  cancel_->setEnabled(false);
  text_->setText(QStringLiteral("Arrêt de la lecture…"));
  emit cancelAsked();
}
