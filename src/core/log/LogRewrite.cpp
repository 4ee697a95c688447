#include "core/log/LogRewrite.h"

#include <algorithm>
#include <limits>
#include <tuple>
#include <vector>

#include "core/log/LeadingNumber.h"
#include "core/log/LogLine.h"
#include "core/log/QsoTime.h"

namespace kmb {
namespace {

double NumericKey(std::string_view line) { return LeadingNumber(line.substr(0, 5)); }

std::optional<long long> LineMoment(std::string_view line) {
  return QsoMoment(log_columns::Date(line), log_columns::Heure(line));
}

}  // namespace

Lines AddLogLine(Lines log, const Bytes& newLine) {
  const double key = NumericKey(newLine);
  log.insert(std::find_if(log.begin(), log.end(), [key](const Bytes& line) { return key < NumericKey(line); }),
             newLine);
  return log;
}

Lines InsertLogLineByDate(const Lines& log, const Bytes& newLine) { return InsertLinesByDate(log, {newLine}); }

Lines InsertLinesByDate(const Lines& log, const Lines& newLines) {
  // The latest moment up to each line: the first line not earlier than a
  // new one is the first whose latest moment is not earlier.
  std::vector<long long> latest(log.size());
  long long running = std::numeric_limits<long long>::min();
  for (std::size_t i = 0; i < log.size(); ++i) {
    if (const auto moment = LineMoment(log[i])) running = std::max(running, *moment);
    latest[i] = running;
  }
  struct Placed {
    std::size_t at;
    long long moment;
    const Bytes* line;
  };
  std::vector<Placed> placed;
  placed.reserve(newLines.size());
  for (const Bytes& line : newLines) {
    const auto moment = LineMoment(line);
    const auto at = moment ? std::lower_bound(latest.begin(), latest.end(), *moment) : latest.end();
    placed.push_back(
        {static_cast<std::size_t>(at - latest.begin()), moment.value_or(std::numeric_limits<long long>::max()), &line});
  }
  // Date order among themselves too; the file's order for the same moment.
  std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
    return std::tie(a.at, a.moment) < std::tie(b.at, b.moment);
  });
  Lines out;
  out.reserve(log.size() + newLines.size());
  auto next = placed.begin();
  for (std::size_t i = 0; i <= log.size(); ++i) {
    for (; next != placed.end() && next->at == i; ++next) out.push_back(*next->line);
    if (i < log.size()) out.push_back(log[i]);
  }
  return out;
}

Lines ReplaceLogLineAt(Lines log, std::size_t index, const Bytes& newLine) {
  if (index < log.size()) log[index] = newLine;
  return log;
}

Lines DeleteLogLineAt(Lines log, std::size_t index) {
  if (index < log.size()) log.erase(log.begin() + static_cast<std::ptrdiff_t>(index));
  return log;
}

bool StillInPlace(const Lines& log, const std::vector<ChosenLine>& chosen) {
  return std::all_of(chosen.begin(), chosen.end(),
                     [&log](const ChosenLine& c) { return c.index < log.size() && log[c.index] == c.line; });
}

Lines MarkQslReceivedAt(Lines log, const std::vector<std::size_t>& indices) {
  const std::size_t mark = fields::Qsl.logFirst - 1;
  for (const std::size_t index : indices) {
    if (index >= log.size()) continue;
    Bytes& line = log[index];
    if (line.size() <= mark) line.resize(mark + 1, ' ');
    line[mark] = '*';
  }
  return log;
}

}  // namespace kmb
