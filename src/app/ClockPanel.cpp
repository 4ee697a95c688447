#include "app/ClockPanel.h"

#include <QGroupBox>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/kit/WidgetHelpers.h"

namespace {

// As wide as its widest text from the start, so the window is laid out for it.
QLabel* ClockLabel(const char* name, const QString& widest, QWidget* parent) {
  auto* label = Named(new QLabel(parent), name);
  QFont font = label->font();
  font.setPointSize(font.pointSize() + 3);
  font.setBold(true);
  label->setFont(font);
  label->setAlignment(Qt::AlignCenter);
  label->setMinimumWidth(QFontMetrics(font).horizontalAdvance(widest));
  return label;
}

QString HoursAndMinutes(const kmb::ClockReading& reading) {
  return QString::fromStdString(kmb::TimeText(reading).substr(0, 5));
}

}  // namespace

ClockPanel::ClockPanel(const kmb::Clock& clock, QWidget* parent) : QWidget(parent), clock_(clock) {
  auto* times = Named(new QGroupBox(this), "Frame7");
  localTimeLabel_ = ClockLabel("Heure_Locale", QStringLiteral("00:00 Loc"), times);
  utcTimeLabel_ = ClockLabel("Heure_Utc", QStringLiteral("00:00 Utc"), times);
  auto* timesColumn = new QVBoxLayout(times);
  timesColumn->addWidget(localTimeLabel_);
  timesColumn->addWidget(utcTimeLabel_);
  auto* date = Named(new QGroupBox(this), "Frame2");
  utcDateLabel_ = ClockLabel("Date_Utc", QStringLiteral("00/00/00"), date);
  (new QVBoxLayout(date))->addWidget(utcDateLabel_);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(times);
  column->addWidget(date);
  column->addStretch(1);

  ticks_ = Named(new QTimer(this), "Timer1");
  ticks_->setInterval(1000);
  connect(ticks_, &QTimer::timeout, this, &ClockPanel::refresh);
}

void ClockPanel::start() {
  refresh();
  ticks_->start();
}

void ClockPanel::refresh() {
  const kmb::ClockReading utc = clock_.utcNow();
  utcTimeLabel_->setText(HoursAndMinutes(utc) + QStringLiteral(" Utc"));
  localTimeLabel_->setText(HoursAndMinutes(clock_.localNow()) + QStringLiteral(" Loc"));
  utcDateLabel_->setText(QString::fromStdString(kmb::DateText(utc)));
}

QString ClockPanel::utcDate() const { return utcDateLabel_->text(); }

QString ClockPanel::utcTime() const { return utcTimeLabel_->text().left(5); }
