#include "core/reports/ConfirmationMatch.h"

#include <array>
#include <unordered_map>

#include "core/log/Bands.h"
#include "core/log/Cp1252Case.h"
#include "core/log/FixedColumns.h"
#include "core/log/LogLine.h"
#include "core/log/QsoTime.h"
#include "core/reports/AdifImport.h"
#include "core/reports/QslList.h"

namespace kmb {
namespace {

// A QSO of the log that a record may confirm.
struct Candidate {
  long long moment = 0;
  const Band* band = nullptr;
  std::string_view modeGroup;
  std::size_t index = 0;
};

using CandidatesByCall = std::unordered_map<Bytes, std::vector<Candidate>>;

// Lines without a readable moment or a known band can match nothing.
CandidatesByCall IndexLog(const Lines& log) {
  CandidatesByCall byCall;
  for (std::size_t i = 0; i < log.size(); ++i) {
    const Bytes& line = log[i];
    const auto moment = QsoMoment(log_columns::Date(line), log_columns::Heure(line));
    const Band* band = BandOfLabel(Trim(log_columns::Bande(line)));
    if (!moment || !band) continue;
    byCall[UpperCp1252(Trim(log_columns::Indicatif(line)))].push_back(
        {*moment, band, ModeGroup(log_columns::Mode(line)), i});
  }
  return byCall;
}

long long Distance(long long a, long long b) { return a < b ? b - a : a - b; }

// The candidates nearest in time within the window: none, one, or several equally near.
std::vector<std::size_t> NearestQsos(const std::vector<Candidate>& candidates, const Band* band, long long moment,
                                     std::string_view modeGroup) {
  std::vector<std::size_t> nearest;
  long long best = kConfirmationWindowMinutes;
  for (const Candidate& c : candidates) {
    if (c.band != band) continue;
    if (!modeGroup.empty() && !c.modeGroup.empty() && c.modeGroup != modeGroup) continue;
    const long long distance = Distance(c.moment, moment);
    if (distance > best) continue;
    if (distance < best) nearest.clear();
    best = distance;
    nearest.push_back(c.index);
  }
  return nearest;
}

bool AllSameLine(const std::vector<std::size_t>& indices, const Lines& log) {
  for (const std::size_t i : indices)
    if (log[i] != log[indices.front()]) return false;
  return true;
}

ConfirmingRecord Describe(const AdifFields& record) {
  const Band* band = BandOfRecord(record);
  const std::string_view bandTag = record.has("band") ? "band" : "freq";
  return {CallOfRecord(record), LogDateOfRecord(record).value_or(Trim(record.value("qso_date"))),
          LogTimeOfRecord(record).value_or(Trim(record.value("time_on"))),
          band ? Bytes(band->label) : Trim(record.value(bandTag))};
}

enum class LineState : unsigned char { Untouched, ToConfirm, AlreadyConfirmed };

}  // namespace

std::string_view ModeGroup(std::string_view mode) {
  static constexpr std::array<std::string_view, 12> kPhone{"SSB", "USB",   "LSB",          "AM",   "FM",    "DV",
                                                           "PHO", "PHONE", "DIGITALVOICE", "C4FM", "DSTAR", "DMR"};
  const Bytes upper = UpperCp1252(Trim(mode));
  if (upper.empty()) return {};
  if (upper == "CW") return "CW";
  for (const std::string_view phone : kPhone)
    if (upper == phone) return "PHONE";
  return "DATA";
}

bool ConfirmsQsl(const AdifFields& record) {
  for (const std::string_view tag : {"qsl_rcvd", "lotw_qsl_rcvd", "eqsl_qsl_rcvd"}) {
    const Bytes value = UpperCp1252(Trim(record.value(tag)));
    if (value == "Y" || value == "V") return true;
  }
  return false;
}

ConfirmationMatch MatchConfirmations(const AdifFile& file, const Lines& log) {
  ConfirmationMatch match;
  const CandidatesByCall byCall = IndexLog(log);
  std::vector<LineState> states(log.size(), LineState::Untouched);
  for (const AdifFields& record : file.records) {
    if (!ConfirmsQsl(record)) {
      ++match.notConfirming;
      continue;
    }
    const auto date = LogDateOfRecord(record);
    const auto time = LogTimeOfRecord(record);
    const auto moment = date && time ? QsoMoment(*date, *time) : std::nullopt;
    const auto candidates = byCall.find(CallOfRecord(record));
    const Band* band = BandOfRecord(record);
    const std::vector<std::size_t> nearest =
        moment && band && candidates != byCall.end()
            ? NearestQsos(candidates->second, band, *moment, ModeGroup(record.value("mode")))
            : std::vector<std::size_t>{};
    if (nearest.empty()) {
      match.notInLog.push_back(Describe(record));
    } else if (!AllSameLine(nearest, log)) {
      match.ambiguous.push_back(Describe(record));
    } else {
      for (const std::size_t i : nearest)
        if (states[i] == LineState::Untouched)
          states[i] = QslReceived(log[i]) ? LineState::AlreadyConfirmed : LineState::ToConfirm;
    }
  }
  for (std::size_t i = 0; i < states.size(); ++i) {
    if (states[i] == LineState::ToConfirm) match.toConfirm.push_back(i);
    if (states[i] == LineState::AlreadyConfirmed) match.alreadyConfirmed.push_back(i);
  }
  return match;
}

}  // namespace kmb
