#include "log/QsoTime.h"

#include <chrono>

namespace kmb {
namespace {

std::optional<int> TwoDigitNumber(std::string_view text) {
  if (text.size() != 2) return std::nullopt;
  const char tens = text[0];
  const char units = text[1];
  if (tens < '0' || tens > '9' || units < '0' || units > '9') return std::nullopt;
  return (tens - '0') * 10 + (units - '0');
}

}  // namespace

std::optional<int> FullYear(std::string_view twoDigits) {
  const auto yy = TwoDigitNumber(twoDigits);
  if (!yy) return std::nullopt;
  return *yy >= 50 ? 1900 + *yy : 2000 + *yy;
}

std::optional<long long> QsoMoment(std::string_view date, std::string_view time) {
  if (date.size() != 8 || date[2] != '/' || date[5] != '/') return std::nullopt;
  if (time.size() != 5 || time[2] != ':') return std::nullopt;
  const auto day = TwoDigitNumber(date.substr(0, 2));
  const auto month = TwoDigitNumber(date.substr(3, 2));
  const auto year = FullYear(date.substr(6, 2));
  const auto hour = TwoDigitNumber(time.substr(0, 2));
  const auto minute = TwoDigitNumber(time.substr(3, 2));
  if (!day || !month || !year || !hour || !minute || *hour > 23 || *minute > 59) return std::nullopt;
  using namespace std::chrono;
  const year_month_day ymd{std::chrono::year{*year}, std::chrono::month{static_cast<unsigned>(*month)},
                           std::chrono::day{static_cast<unsigned>(*day)}};
  if (!ymd.ok()) return std::nullopt;
  const long long days = (sys_days{ymd} - sys_days{std::chrono::year{1900} / January / 1}).count();
  return days * 24 * 60 + *hour * 60 + *minute;
}

}  // namespace kmb
