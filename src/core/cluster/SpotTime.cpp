#include "core/cluster/SpotTime.h"

namespace kmb {
namespace {

constexpr Minute kMinutesPerDay = 24 * 60;
constexpr Minute kNodeClockAhead = 60;

// Days from 1970-01-01 of a date of the proleptic Gregorian calendar.
Minute DaysOf(int year, int month, int day) {
  const int y = year - (month <= 2 ? 1 : 0);
  const int era = (y >= 0 ? y : y - 399) / 400;
  const int yearOfEra = y - era * 400;
  const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return Minute{era} * 146097 + dayOfEra - 719468;
}

}  // namespace

Minute MinuteOf(const ClockReading& utc) {
  return DaysOf(utc.year, utc.month, utc.day) * kMinutesPerDay + utc.hour * 60 + utc.minute;
}

Minute SpotMinute(const Spot& spot, const ClockReading& now) {
  const Minute ofDay = spot.hour * 60 + spot.minute;
  if (spot.day) return DaysOf(spot.day->year, spot.day->month, spot.day->day) * kMinutesPerDay + ofDay;
  const Minute today = DaysOf(now.year, now.month, now.day) * kMinutesPerDay + ofDay;
  return today > MinuteOf(now) + kNodeClockAhead ? today - kMinutesPerDay : today;
}

}  // namespace kmb
