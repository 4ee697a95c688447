#include "core/cluster/SpotTime.h"

#include <cstdio>

#include "core/log/QsoTime.h"

namespace kmb {
namespace {

constexpr Minute kMinutesPerDay = 24 * 60;
constexpr Minute kNodeClockAhead = 60;

// Read as the log's dates and times are, so that every date has one reader.
std::optional<Minute> Moment(int year, int month, int day, int hour, int minute) {
  char date[16];
  char time[16];
  std::snprintf(date, sizeof date, "%02d/%02d/%02d", day % 100, month % 100, year % 100);
  std::snprintf(time, sizeof time, "%02d:%02d", hour % 100, minute % 100);
  return QsoMoment(date, time);
}

}  // namespace

Minute MinuteOf(const ClockReading& utc) {
  return Moment(utc.year, utc.month, utc.day, utc.hour, utc.minute).value_or(0);
}

std::optional<Minute> SpotMinute(const Spot& spot, const ClockReading& now) {
  if (spot.day) return Moment(spot.day->year, spot.day->month, spot.day->day, spot.hour, spot.minute);
  const auto today = Moment(now.year, now.month, now.day, spot.hour, spot.minute);
  if (!today) return std::nullopt;
  const Minute latest = MinuteOf(now) + kNodeClockAhead;
  const Minute tomorrow = *today + kMinutesPerDay;  // a spot of 0001Z seen at 23:58
  if (tomorrow <= latest) return tomorrow;
  return *today <= latest ? *today : *today - kMinutesPerDay;
}

}  // namespace kmb
