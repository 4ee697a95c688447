#include "core/search/CallSignMatch.h"

#include "core/log/Cp1252Case.h"
#include "core/log/LogLine.h"

namespace kmb {

bool CallSignMatches(std::string_view logLine, std::string_view typed) {
  return Trim(log_columns::Indicatif(logLine)).find(UpperCp1252(typed)) != std::string::npos;
}

}  // namespace kmb
