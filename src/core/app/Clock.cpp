#include "core/app/Clock.h"

#include <cstdio>
#include <ctime>

#include "core/log/FixedColumns.h"

namespace kmb {
namespace {

ClockReading FromTm(const std::tm& tm) {
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

}  // namespace

ClockReading SystemClock::utcNow() const {
  const std::time_t now = std::time(nullptr);
  std::tm tm{};
  gmtime_r(&now, &tm);
  return FromTm(tm);
}

ClockReading SystemClock::localNow() const {
  const std::time_t now = std::time(nullptr);
  std::tm tm{};
  localtime_r(&now, &tm);
  return FromTm(tm);
}

std::string TimeText(const ClockReading& r) {
  return TwoDigits(r.hour) + ":" + TwoDigits(r.minute) + ":" + TwoDigits(r.second);
}

std::string DateText(const ClockReading& r) {
  return TwoDigits(r.day) + "/" + TwoDigits(r.month) + "/" + TwoDigits(r.year);
}

std::string FullDateText(const ClockReading& r) {
  char text[24];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d", r.day, r.month, r.year);
  return text;
}

std::string DayText(const ClockReading& r) {
  char text[24];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", r.year, r.month, r.day);
  return text;
}

}  // namespace kmb
