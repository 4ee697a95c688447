#include "reports/AdifRecord.h"

#include <array>
#include <cstdio>
#include <utility>

#include "log/LogLine.h"
#include "log/QsoTime.h"

namespace kmb {

Bytes AdifField(std::string_view tag, std::string_view value) {
  Bytes field = "<";
  field += tag;
  field += ':' + std::to_string(value.size()) + '>';
  field += value;
  return field;
}

Bytes AdifBand(std::string_view bandLabel) {
  // Every label the entry list offers has its band, and 432 Mhz too.
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 12> kBands{{
      {"1.8 Mhz", "160m"},
      {"3.5 Mhz", "80m"},
      {"7.0 Mhz", "40m"},
      {"10 Mhz", "30m"},
      {"14 Mhz", "20m"},
      {"18 Mhz", "17m"},
      {"21 Mhz", "15m"},
      {"24 Mhz", "12m"},
      {"28 Mhz", "10m"},
      {"50 Mhz", "6m"},
      {"144 Mhz", "2m"},
      {"432 Mhz", "70cm"},
  }};
  for (const auto& [label, band] : kBands)
    if (label == bandLabel) return Bytes(band);
  return {};
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

Bytes ADIF_SP(std::string_view line) {
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
