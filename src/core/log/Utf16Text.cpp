#include "core/log/Utf16Text.h"

#include <algorithm>

namespace kmb {
namespace {

constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

// Code units to characters; a lone surrogate becomes U+FFFD.
std::u32string DecodeUtf16(std::string_view bytes, bool littleEndian) {
  std::u32string out;
  out.reserve(bytes.size() / 2);
  const auto unit = [&](std::size_t at) {
    const auto first = static_cast<unsigned char>(bytes[at]);
    const auto second = static_cast<unsigned char>(bytes[at + 1]);
    return static_cast<char32_t>(littleEndian ? first | (second << 8) : (first << 8) | second);
  };
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const char32_t u = unit(i);
    if (u >= 0xD800 && u <= 0xDBFF && i + 3 < bytes.size()) {
      const char32_t low = unit(i + 2);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        out += 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00);
        i += 2;
        continue;
      }
    }
    out += (u >= 0xD800 && u <= 0xDFFF) ? char32_t{0xFFFD} : u;
  }
  return out;
}

// UTF-16 saved without a mark still shows: a text file is nearly all ASCII,
// so one byte of almost every pair is zero, which a one-byte text never holds.
std::optional<bool> UnmarkedUtf16IsLittleEndian(std::string_view bytes) {
  constexpr std::size_t kPairsLooked = 512;
  const std::size_t pairs = std::min(bytes.size() / 2, kPairsLooked);
  if (pairs < 2) return std::nullopt;
  std::size_t little = 0;
  std::size_t big = 0;
  for (std::size_t i = 0; i < pairs; ++i) {
    const bool firstZero = bytes[2 * i] == '\0';
    const bool secondZero = bytes[2 * i + 1] == '\0';
    if (!firstZero && secondZero) ++little;
    if (firstZero && !secondZero) ++big;
  }
  if (4 * little >= 3 * pairs) return true;
  if (4 * big >= 3 * pairs) return false;
  return std::nullopt;
}

}  // namespace

std::optional<Utf16Text> ReadUtf16(std::string_view bytes) {
  if (bytes.starts_with(kUtf16LeMark) || bytes.starts_with(kUtf16BeMark)) {
    const bool littleEndian = bytes.starts_with(kUtf16LeMark);
    return Utf16Text{DecodeUtf16(bytes.substr(2), littleEndian), littleEndian};
  }
  const auto littleEndian = UnmarkedUtf16IsLittleEndian(bytes);
  if (!littleEndian) return std::nullopt;
  return Utf16Text{DecodeUtf16(bytes, *littleEndian), *littleEndian};
}

}  // namespace kmb
