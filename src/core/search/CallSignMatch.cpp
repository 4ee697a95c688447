#include "core/search/CallSignMatch.h"

#include "core/log/Cp1252Case.h"
#include "core/log/LogLine.h"

namespace kmb {

bool CallSignMatches(std::string_view listRow, std::string_view typed) {
  return Trim(InRow(listRow, fields::Indicatif)).find(UpperCp1252(typed)) != std::string::npos;
}

}  // namespace kmb
