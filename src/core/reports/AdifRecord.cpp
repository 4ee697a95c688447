#include "core/reports/AdifRecord.h"

#include <array>
#include <cstdio>
#include <utility>

#include "core/log/Bands.h"
#include "core/log/LogLine.h"
#include "core/log/QsoTime.h"

namespace kmb {

Bytes AdifField(std::string_view tag, std::string_view value) {
  Bytes field = "<";
  field += tag;
  field += ':' + std::to_string(value.size()) + '>';
  field += value;
  return field;
}

Bytes AdifBand(std::string_view bandLabel) {
  const Band* band = BandOfLabel(bandLabel);
  return band ? Bytes(band->adif) : Bytes();
}

Bytes AdifDate(std::string_view date) {
  const auto day = ReadQsoDate(date);
  if (!day) return {};
  char text[16];
  std::snprintf(text, sizeof text, "%04d%02d%02d", day->year, day->month, day->day);
  return text;
}

Bytes AdifTime(std::string_view time) {
  const auto clock = ReadQsoTime(time);
  if (!clock) return {};
  char text[8];
  std::snprintf(text, sizeof text, "%02d%02d", clock->hour, clock->minute);
  return text;
}

Bytes AdifRecordOf(std::string_view line) {
  namespace c = log_columns;
  const std::array<std::pair<std::string_view, Bytes>, 12> fields{{
      {"CALL", Trim(c::Indicatif(line))},
      {"STATE", Trim(c::Dpt(line))},
      {"NAME", Trim(c::Prenom(line))},
      {"BAND", AdifBand(Trim(c::Bande(line)))},
      {"MODE", Trim(c::Mode(line))},
      {"QSO_DATE", AdifDate(Trim(c::Date(line)))},
      {"TIME_ON", AdifTime(Trim(c::Heure(line)))},
      {"RST_RCVD", Trim(c::RstR(line))},
      {"RST_SENT", Trim(c::RstE(line))},
      {"SIG", Trim(c::Ref(line))},
      {"SIG_INFO", Trim(c::NomLavoir(line))},
      {"QSL_RCVD", c::Qsl(line) == '*' ? "Y" : "N"},
  }};
  Bytes record;
  for (const auto& [tag, value] : fields) {
    record += AdifField(tag, value);
    record += ' ';
  }
  record += "<eor>";
  return record;
}

}  // namespace kmb
