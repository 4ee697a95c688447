#pragma once
// Text saved in UTF-16, as some editors and loggers save it: after a
// byte-order mark, or without one, known then by its zero bytes.
#include <optional>
#include <string>
#include <string_view>

namespace kmb {

struct Utf16Text {
  std::u32string characters;  // a lone surrogate as U+FFFD
  bool littleEndian = true;
};

// The characters of UTF-16 bytes, without their mark; none for other bytes.
std::optional<Utf16Text> ReadUtf16(std::string_view bytes);

}  // namespace kmb
