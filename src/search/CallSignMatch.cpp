#include "search/CallSignMatch.h"

#include "log/Cp1252Case.h"
#include "log/FixedColumns.h"

namespace kmb {

bool CallSignMatches(std::string_view listRow, std::string_view typed) {
  return Trim(Column(listRow, 8, 12)).find(UpperCp1252(typed)) != std::string::npos;
}

}  // namespace kmb
