#include "core/reports/QslList.h"

#include "core/log/LogLine.h"
#include "core/search/CallSignMatch.h"

namespace kmb {

// The pieces between two fields keep the main list's blanks.
Bytes QslListRow(std::string_view l) {
  namespace f = fields;
  namespace c = log_columns;
  return ListRowFields(l, f::Date, f::Heure) + "   " + Trim(c::Dpt(l)) + "   KMB " + Trim(c::Ref(l)) + "   " +
         ListRowFields(l, f::Mode, f::RstE) + "   " + c::NomLavoir(l);
}

bool QslReceived(std::string_view logLine) { return log_columns::Qsl(logLine) == '*'; }

std::vector<std::size_t> AwaitedQslPlaces(const Lines& lines, std::string_view typed) {
  std::vector<std::size_t> found;
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (CallSignMatches(lines[i], typed) && !QslReceived(lines[i])) found.push_back(i);
  return found;
}

std::vector<Bytes> AwaitedQslRows(const Lines& lines, std::string_view typed) {
  std::vector<Bytes> rows;
  for (const std::size_t i : AwaitedQslPlaces(lines, typed)) rows.push_back(QslListRow(lines[i]));
  return rows;
}

}  // namespace kmb
