#include "core/log/FirstNameList.h"

#include "core/log/Cp1252Case.h"

namespace kmb {

std::optional<KnownStation> FindFirstName(const Lines& list, std::string_view call) {
  std::optional<KnownStation> found;
  for (const Bytes& line : list) {
    if (Trim(Column(line, 1, 12)) == call)
      found = KnownStation{Trim(Column(line, 14, 2)), UpperCp1252(ColumnsFrom(line, 17))};
  }
  return found;
}

Bytes FirstNameLine(std::string_view call, std::string_view dpt, std::string_view prenom) {
  return PadRight(call, 12) + " " + PadRight(dpt, 2) + " " + std::string(prenom);
}

Lines StoreFirstName(const Lines& list, const Bytes& newLine) {
  const std::string key = Column(newLine, 1, 12);
  Lines out = list;
  bool found = false;
  for (Bytes& line : out) {
    if (Column(line, 1, 12) == key) {
      line = newLine;
      found = true;
    }
  }
  if (!found) out.push_back(newLine);
  return out;
}

}  // namespace kmb
