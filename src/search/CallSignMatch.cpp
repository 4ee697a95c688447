#include "search/CallSignMatch.h"

#include "log/Cp1252Case.h"
#include "log/LogLine.h"

namespace kmb {

bool CallSignMatches(std::string_view listRow, std::string_view typed) {
  return Trim(InRow(listRow, fields::Indicatif)).find(UpperCp1252(typed)) != std::string::npos;
}

}  // namespace kmb
