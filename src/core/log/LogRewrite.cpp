#include "core/log/LogRewrite.h"

#include <algorithm>

#include "core/log/LeadingNumber.h"
#include "core/log/LogLine.h"
#include "core/log/QsoTime.h"

namespace kmb {
namespace {

double NumericKey(std::string_view line) { return LeadingNumber(line.substr(0, 5)); }

std::optional<long long> LineMoment(std::string_view line) {
  return QsoMoment(log_columns::Date(line), log_columns::Heure(line));
}

// Puts `newLine` before the first line `goesBefore` accepts, or last.
template <typename Predicate>
Lines InsertBeforeFirst(const Lines& log, const Bytes& newLine, Predicate goesBefore) {
  Lines out;
  out.reserve(log.size() + 1);
  const auto at = std::find_if(log.begin(), log.end(), goesBefore);
  out.insert(out.end(), log.begin(), at);
  out.push_back(newLine);
  out.insert(out.end(), at, log.end());
  return out;
}

}  // namespace

Lines AddLogLine(const Lines& log, const Bytes& newLine) {
  const double key = NumericKey(newLine);
  return InsertBeforeFirst(log, newLine, [key](const Bytes& line) { return key < NumericKey(line); });
}

Lines InsertLogLineByDate(const Lines& log, const Bytes& newLine) {
  const auto moment = LineMoment(newLine);
  if (!moment) return InsertBeforeFirst(log, newLine, [](const Bytes&) { return false; });
  return InsertBeforeFirst(log, newLine, [&moment](const Bytes& line) {
    const auto lineMoment = LineMoment(line);
    return lineMoment && *lineMoment >= *moment;
  });
}

Lines ReplaceLogLineAt(const Lines& log, std::size_t index, const Bytes& newLine) {
  Lines out = log;
  if (index < out.size()) out[index] = newLine;
  return out;
}

Lines DeleteLogLineAt(const Lines& log, std::size_t index) {
  Lines out = log;
  if (index < out.size()) out.erase(out.begin() + static_cast<std::ptrdiff_t>(index));
  return out;
}

}  // namespace kmb
