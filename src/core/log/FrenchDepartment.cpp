#include "core/log/FrenchDepartment.h"

namespace kmb {

bool IsFrenchDepartment(std::string_view code) {
  if (code.size() != 2) return false;
  if (code == "2a" || code == "2b") return true;
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  return digit(code[0]) && digit(code[1]) && code != "00" && code <= "95";
}

}  // namespace kmb
