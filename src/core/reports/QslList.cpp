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

std::vector<Bytes> AwaitedQslRows(const Lines& lines, std::string_view typed) {
  std::vector<Bytes> found;
  for (const Bytes& line : lines)
    if (CallSignMatches(line, typed) && !QslReceived(line)) found.push_back(QslListRow(line));
  return found;
}

}  // namespace kmb
