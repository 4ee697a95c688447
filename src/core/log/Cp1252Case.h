#pragma once
// Case mapping of Windows-1252 text that never changes a length, so fixed
// columns hold: accented small letters get their capitals, "ß" stays.
#include <string>
#include <string_view>

namespace kmb {

std::string UpperCp1252(std::string_view text);
std::string LowerCp1252(std::string_view text);

}  // namespace kmb
