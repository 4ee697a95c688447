#pragma once
// The clock the program reads, behind a seam so tests can set UTC and local
// time (around midnight their dates differ).
#include <string>

namespace kmb {

struct ClockReading {
  int year = 2000;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual ClockReading utcNow() const = 0;
  virtual ClockReading localNow() const = 0;
};

class SystemClock final : public Clock {
 public:
  ClockReading utcNow() const override;
  ClockReading localNow() const override;
};

// "hh:mm:ss", 24-hour clock.
std::string TimeText(const ClockReading& reading);
// "dd/mm/yy".
std::string DateText(const ClockReading& reading);
// "dd/mm/yyyy".
std::string FullDateText(const ClockReading& reading);
// "yyyy-mm-dd", which sorts as the days do.
std::string DayText(const ClockReading& reading);

}  // namespace kmb
