#pragma once
// What a line of the log or of the list of first names may hold: characters
// of Windows-1252 only (it leaves 0x81, 0x8D, 0x8F, 0x90 and 0x9D undefined)
// and no control character, since a CR, LF or NUL would split or cut it.
#include <algorithm>
#include <string_view>

inline bool Cp1252Line(std::string_view line) {
  return std::none_of(line.begin(), line.end(), [](char c) {
    const auto b = static_cast<unsigned char>(c);
    return b < 0x20 || b == 0x7F || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
  });
}
