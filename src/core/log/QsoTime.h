#pragma once
// The one reader of the log's "JJ/MM/AA" dates and "HH:MM" times, used by
// the entry checks, the rewriting and the export alike. Years 50-99 are
// 19xx, 00-49 are 20xx.
#include <optional>
#include <string_view>

namespace kmb {

struct QsoDate {
  int year = 0;  // four digits
  int month = 0;
  int day = 0;
};

struct QsoClock {
  int hour = 0;
  int minute = 0;
};

// A real calendar date written "JJ/MM/AA" (31/02 and 29/02/25 are not).
std::optional<QsoDate> ReadQsoDate(std::string_view text);

// A time of day written "HH:MM", 00:00 to 23:59.
std::optional<QsoClock> ReadQsoTime(std::string_view text);

// Minutes since 1 January 1900, comparable between QSOs; empty when the date
// or the time cannot be read.
std::optional<long long> QsoMoment(std::string_view date, std::string_view time);

}  // namespace kmb
