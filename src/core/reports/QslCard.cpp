#include "core/reports/QslCard.h"

#include "core/reports/QslList.h"

namespace kmb {
namespace {

// Every card has the same height: 19 lines between header and signature.
constexpr std::size_t kLinesUnderHeader = 19;

const Bytes kColumnHeader = "      Date    Debut   Dpt    N\xB0 KMB    Mode  Bande  RstE RstR       |";
const Bytes kSignature = "                             signature :";

void OpenCard(Lines& out, std::string_view confirming, std::string_view stationCall) {
  out.push_back("    " + Bytes(confirming) + " confirme les QSO's suivants avec la station " + Bytes(stationCall));
  out.emplace_back();
  out.push_back(kColumnHeader);
}

void CloseCard(Lines& out, std::size_t qsoLines) {
  out.insert(out.end(), kLinesUnderHeader - qsoLines, Bytes());
  out.push_back(kSignature);
  out.push_back("-");
}

}  // namespace

Lines QslCardLines(std::string_view confirming, std::string_view stationCall, const std::vector<Bytes>& tickedRows) {
  Lines out;
  std::size_t n = 0;
  for (const Bytes& row : tickedRows) {
    if (n == 0) OpenCard(out, confirming, stationCall);
    out.push_back("    " + Column(row, 1, kQslPrintedWidth));
    if (++n == kQsosPerCard) {
      CloseCard(out, n);
      out.emplace_back();  // a full card is set apart from the next
      n = 0;
    }
  }
  if (n != 0) CloseCard(out, n);
  return out;
}

}  // namespace kmb
