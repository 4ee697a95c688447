#include "core/reports/DiplomaClaimAdif.h"

#include <array>
#include <utility>

#include "core/log/LogLine.h"
#include "core/reports/AdifRecord.h"
#include "core/settings/StationCall.h"

namespace kmb {
namespace {

Bytes ClaimRecord(std::string_view line, std::string_view stationCall) {
  namespace c = log_columns;
  const std::array<std::pair<std::string_view, Bytes>, 12> fields{{
      {"CALL", Trim(c::Indicatif(line))},
      {"QSO_DATE", AdifDate(Trim(c::Date(line)))},
      {"TIME_ON", AdifTime(Trim(c::Heure(line)))},
      {"BAND", AdifBand(Trim(c::Bande(line)))},
      {"MODE", Trim(c::Mode(line))},
      {"RST_SENT", Trim(c::RstE(line))},
      {"RST_RCVD", Trim(c::RstR(line))},
      {"SIG", "KMB"},
      {"SIG_INFO", Trim(c::Ref(line))},
      {"QSL_RCVD", "Y"},
      {"STATION_CALLSIGN", Bytes(stationCall)},
      {"COMMENT", Trim(c::NomLavoir(line))},
  }};
  Bytes record;
  for (const auto& [tag, value] : fields) record += AdifField(tag, value) + ' ';
  return record + "<eor>";
}

}  // namespace

Bytes DiplomaClaimAdif(std::string_view storedCall, std::string_view group, const Lines& claimed) {
  const std::string station = StationCallDisplay(storedCall);
  Lines out{
      "Demande du Dipl\xF4me KMB " + Bytes(group) + " de la station " + station,
      "",
      "Fichier produit par ORX_KMB",
      "",
      "<eoh>",
  };
  out.reserve(out.size() + claimed.size());
  for (const Bytes& line : claimed) out.push_back(ClaimRecord(line, station));
  return JoinLines(out);
}

}  // namespace kmb
