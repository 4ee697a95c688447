#pragma once
// Windows-1252, the only encoding the log is written in, and the way other
// texts (typed, pasted, saved by another editor) are brought into it.
#include <optional>
#include <string>
#include <string_view>

#include "core/log/FixedColumns.h"

namespace kmb {

// The byte of a character that Windows-1252 holds.
std::optional<char> Cp1252Byte(char32_t c);

// The character itself when Windows-1252 holds it, otherwise the nearest
// letters it has ("Ł" gives "L", "ș" gives "s"); none for a sign that has no
// letters (an emoji).
std::optional<Bytes> Cp1252Letters(char32_t c);

// Cp1252Letters, or "?" when there are none, so a loss stays visible.
Bytes NearestCp1252(char32_t c);

inline constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// Whether any byte is past ASCII; plain ASCII is the same in every encoding here.
bool HasHighByte(std::string_view text);

// The characters of a UTF-8 text; empty when it is not valid UTF-8.
std::optional<std::u32string> DecodeUtf8(std::string_view utf8);
bool IsUtf8(std::string_view text);

// Characters as Windows-1252, each through NearestCp1252.
Bytes Cp1252FromUnicode(std::u32string_view text);

// Bytes read as Windows-1252: those it leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) are no character, and become "?".
Bytes DefinedCp1252(std::string_view bytes);

// The UTF-8 form of characters.
std::string Utf8FromUnicode(std::u32string_view text);
// For the operator's messages; an undefined byte as "?".
std::string Utf8FromCp1252(std::string_view bytes);

}  // namespace kmb
