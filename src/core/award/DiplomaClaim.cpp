#include "core/award/DiplomaClaim.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/log/LogLine.h"
#include "core/log/QsoTime.h"
#include "core/settings/StationCall.h"

namespace kmb {
namespace {

constexpr long long kMinutesPerDay = 24 * 60;

// Minutes since 1900 of the QSO's day and time; a time that cannot be read
// puts the QSO after the others of its day. Empty when the date cannot be read.
std::optional<long long> ClaimMoment(std::string_view line) {
  const auto dayStart = QsoMoment(log_columns::Date(line), "00:00");
  if (!dayStart) return std::nullopt;
  const auto clock = ReadQsoTime(log_columns::Heure(line));
  return *dayStart + (clock ? clock->hour * 60 + clock->minute : kMinutesPerDay);
}

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsNamePart(char c) { return IsAsciiLetter(c) || IsDigit(c) || c == '_' || c == '-'; }

struct ClaimColumn {
  std::string_view title;
  std::size_t width;
};

constexpr ClaimColumn kColumns[] = {{"Indicatif", 12}, {"Date", 10}, {"Heure UTC", 9},     {"Bande", 7},
                                    {"Mode", 4},       {"KMB", 5},   {"Nom du lavoir", 30}};
using Cells = std::array<Bytes, std::size(kColumns)>;

// The cells two blanks apart, each but the last padded to its column.
Bytes Row(const Cells& cells) {
  Bytes row;
  for (std::size_t i = 0; i + 1 < cells.size(); ++i) row += PadRight(cells[i], kColumns[i].width) + "  ";
  return row + cells.back();
}

Bytes TitleRow() {
  Cells titles;
  for (std::size_t i = 0; i < titles.size(); ++i) titles[i] = kColumns[i].title;
  return Row(titles);
}

// The century written out, so that 1999 and 2000 read apart; the log's text
// when it is no date.
Bytes ShownDate(std::string_view date) {
  const auto day = ReadQsoDate(date);
  return day ? FullDateText({day->year, day->month, day->day}) : Trim(date);
}

Bytes QsoRow(std::string_view line) {
  namespace c = log_columns;
  return Row({Trim(c::Indicatif(line)), ShownDate(c::Date(line)), Trim(c::Heure(line)), Trim(c::Bande(line)),
              Trim(c::Mode(line)), Trim(c::Ref(line)), Trim(c::NomLavoir(line))});
}

Bytes ConfirmedQsos(int count) {
  return std::to_string(count) + (count == 1 ? " QSO confirm\xE9" : " QSO confirm\xE9s");
}

// Before the threshold, the page says it is a draft and what it lacks.
Lines DraftLines(const DiplomaStanding& standing) {
  if (standing.reached()) return {};
  return {"Brouillon",
          "Il manque " + ConfirmedQsos(standing.shownNumber()) + " pour atteindre les " +
              std::to_string(standing.threshold) + " du dipl\xF4me.",
          ""};
}

}  // namespace

Lines ClaimedQsos(const Lines& log, const DiplomaRule& rule) {
  std::vector<std::pair<std::optional<long long>, Bytes>> dated;
  for (const Bytes& line : log)
    if (ConfirmedInGroup(line, rule.group)) dated.emplace_back(ClaimMoment(line), line);
  std::stable_sort(dated.begin(), dated.end(),
                   [](const auto& a, const auto& b) { return a.first && (!b.first || *a.first < *b.first); });
  Lines claimed;
  claimed.reserve(dated.size());
  for (auto& [moment, line] : dated) claimed.push_back(std::move(line));
  return claimed;
}

Bytes ClaimFileStem(std::string_view storedCall, const DiplomaRule& rule, const ClockReading& today) {
  Bytes call;
  std::copy_if(storedCall.begin(), storedCall.end(), std::back_inserter(call), IsNamePart);
  return "Demande_KMB_" + Bytes(rule.group) + "_" + call + "_" + DayText(today);
}

Lines ClaimPageLines(std::string_view storedCall, const DiplomaRule& rule, const ClockReading& today,
                     const Lines& claimed) {
  const int confirmed = static_cast<int>(claimed.size());
  Lines page = DraftLines({confirmed, rule.threshold});
  page.insert(page.end(), {"Dipl\xF4me KMB " + Bytes(rule.group) + " : demande du " + FullDateText(today),
                           "Station : " + StationCallDisplay(storedCall), ConfirmedQsos(confirmed), "", TitleRow()});
  page.reserve(page.size() + claimed.size());
  for (const Bytes& line : claimed) page.push_back(QsoRow(line));
  return page;
}

}  // namespace kmb
