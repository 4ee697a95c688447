#include "core/log/ContactedLavoir.h"

#include "core/log/LogLine.h"

namespace kmb {

std::optional<EarlierContact> FindContactedLavoir(const Lines& log, std::string_view ref, std::string_view band) {
  for (const Bytes& line : log) {
    const Bytes lineBand = Trim(log_columns::Bande(line));
    if (log_columns::Ref(line) == ref && lineBand == band) return EarlierContact{log_columns::Date(line), lineBand};
  }
  return std::nullopt;
}

}  // namespace kmb
