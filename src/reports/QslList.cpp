#include "reports/QslList.h"

#include "search/CallSignMatch.h"

namespace kmb {

Bytes QslListRow(std::string_view r) {
  return Column(r, 50, 17) + " " + Trim(Column(r, 22, 4)) + "   KMB " + Trim(Column(r, 43, 5)) + "   " +
         Column(r, 67, 23) + "  " + Column(r, 90, 30);
}

bool QslReceived(std::string_view listRow) { return Trim(Column(listRow, 122, 1)) == "*"; }

std::vector<Bytes> AwaitedQslRows(const std::vector<Bytes>& listRows, std::string_view typed) {
  std::vector<Bytes> found;
  for (const Bytes& row : listRows)
    if (CallSignMatches(row, typed) && !QslReceived(row)) found.push_back(QslListRow(row));
  return found;
}

}  // namespace kmb
