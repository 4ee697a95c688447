#include "core/reports/QslList.h"

#include "core/log/LogLine.h"
#include "core/search/CallSignMatch.h"

namespace kmb {

// The pieces between two fields keep the row's own blanks.
Bytes QslListRow(std::string_view r) {
  namespace f = fields;
  const auto from = [r](const Field& first, const Field& last) {
    return Column(r, first.rowFirst, last.rowFirst + last.width - first.rowFirst);
  };
  return from(f::Date, f::Heure) + "   " + Trim(InRow(r, f::Dpt)) + "   KMB " + Trim(InRow(r, f::Ref)) + "   " +
         from(f::Mode, f::RstE) + "   " + InRow(r, f::NomLavoir);
}

bool QslReceived(std::string_view listRow) { return Trim(InRow(listRow, fields::Qsl)) == "*"; }

std::vector<Bytes> AwaitedQslRows(const std::vector<Bytes>& listRows, std::string_view typed) {
  std::vector<Bytes> found;
  for (const Bytes& row : listRows)
    if (CallSignMatches(row, typed) && !QslReceived(row)) found.push_back(QslListRow(row));
  return found;
}

}  // namespace kmb
