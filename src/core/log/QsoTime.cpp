#include "core/log/QsoTime.h"

#include <chrono>

namespace kmb {
namespace {

std::optional<int> TwoDigitNumber(std::string_view text) {
  const char tens = text[0];
  const char units = text[1];
  if (tens < '0' || tens > '9' || units < '0' || units > '9') return std::nullopt;
  return (tens - '0') * 10 + (units - '0');
}

std::chrono::year_month_day CalendarDay(const QsoDate& date) {
  return {std::chrono::year{date.year}, std::chrono::month{static_cast<unsigned>(date.month)},
          std::chrono::day{static_cast<unsigned>(date.day)}};
}

}  // namespace

std::optional<QsoDate> ReadQsoDate(std::string_view text) {
  if (text.size() != 8 || text[2] != '/' || text[5] != '/') return std::nullopt;
  const auto day = TwoDigitNumber(text.substr(0, 2));
  const auto month = TwoDigitNumber(text.substr(3, 2));
  const auto yy = TwoDigitNumber(text.substr(6, 2));
  if (!day || !month || !yy) return std::nullopt;
  const QsoDate date{*yy >= 50 ? 1900 + *yy : 2000 + *yy, *month, *day};
  if (!CalendarDay(date).ok()) return std::nullopt;
  return date;
}

std::optional<QsoClock> ReadQsoTime(std::string_view text) {
  if (text.size() != 5 || text[2] != ':') return std::nullopt;
  const auto hour = TwoDigitNumber(text.substr(0, 2));
  const auto minute = TwoDigitNumber(text.substr(3, 2));
  if (!hour || !minute || *hour > 23 || *minute > 59) return std::nullopt;
  return QsoClock{*hour, *minute};
}

std::optional<long long> QsoMoment(std::string_view date, std::string_view time) {
  const auto day = ReadQsoDate(date);
  const auto clock = ReadQsoTime(time);
  if (!day || !clock) return std::nullopt;
  using namespace std::chrono;
  const long long days = (sys_days{CalendarDay(*day)} - sys_days{year{1900} / January / 1}).count();
  return days * 24 * 60 + clock->hour * 60 + clock->minute;
}

}  // namespace kmb
