#pragma once
// The clock of the main window: UTC time, local time and UTC date, refreshed
// every second. The automatic date of an entry is copied from it.
#include <QWidget>

#include "core/app/Clock.h"

class QLabel;
class QTimer;

class ClockPanel final : public QWidget {
  Q_OBJECT
 public:
  ClockPanel(const kmb::Clock& clock, QWidget* parent);

  // Refreshes now, then every second.
  void start();
  // The tick (Timer1): UTC time, local time, UTC date.
  void refresh();

  QString utcDate() const;  // "jj/mm/aa"
  QString utcTime() const;  // "hh:mm"

 private:
  const kmb::Clock& clock_;
  QLabel* localTimeLabel_ = nullptr;  // Label34
  QLabel* utcTimeLabel_ = nullptr;    // Label37
  QLabel* utcDateLabel_ = nullptr;    // Label33
  QTimer* ticks_ = nullptr;           // Timer1
};
