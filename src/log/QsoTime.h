#pragma once
// The moment of a QSO from its "JJ/MM/AA" date and "HH:MM" time, with the
// log's century rule: years 50-99 are 19xx, 00-49 are 20xx.
#include <optional>
#include <string_view>

namespace kmb {

// Minutes since 1 January 1900, comparable between QSOs; empty when the date
// or the time is not a real calendar date and time of day.
std::optional<long long> QsoMoment(std::string_view date, std::string_view time);

// Four-digit year of a two-digit year text ("99" → 1999, "14" → 2014).
std::optional<int> FullYear(std::string_view twoDigits);

}  // namespace kmb
