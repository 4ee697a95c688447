#include "core/log/Cp1252Text.h"

#include <unicode/translit.h>
#include <unicode/unistr.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>

namespace kmb {
namespace {

// Characters of bytes 0x80-0x9F; 0 where Windows-1252 has none.
constexpr std::array<char32_t, 32> kHighRow = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                               0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                               0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                               0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// Any script to Latin letters, then Latin letters to plain ones. Building it
// is slow, using it is not; one per thread, since it is not shared safely.
const icu::Transliterator* ToLatin() {
  thread_local const std::unique_ptr<icu::Transliterator> transliterator = [] {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Transliterator> made(
        icu::Transliterator::createInstance("Any-Latin; Latin-ASCII", UTRANS_FORWARD, status));
    return U_SUCCESS(status) ? std::move(made) : nullptr;
  }();
  return transliterator.get();
}

Bytes Transliterated(char32_t c) {
  const icu::Transliterator* toLatin = ToLatin();
  if (!toLatin) return {};
  icu::UnicodeString text(static_cast<UChar32>(c));
  toLatin->transliterate(text);
  Bytes out;
  for (int32_t i = 0; i < text.length(); i = text.moveIndex32(i, 1)) {
    const auto byte = Cp1252Byte(static_cast<char32_t>(text.char32At(i)));
    if (!byte) return {};
    out += *byte;
  }
  return out;
}

// Hands each character of a UTF-8 text to `sink`; false at the first thing
// that is not UTF-8 (overlong forms, surrogates, values past the last character).
template <typename Sink>
bool WalkUtf8(std::string_view utf8, Sink sink) {
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    std::size_t length = 0;
    char32_t c = 0;
    if (lead < 0x80) {
      length = 1;
      c = lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
      c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      c = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      c = lead & 0x07;
    } else {
      return false;
    }
    if (i + length > utf8.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(utf8[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      c = (c << 6) | (next & 0x3F);
    }
    const bool overlong = (length == 3 && c < 0x800) || (length == 4 && c < 0x10000);
    if (overlong || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) return false;
    sink(c);
    i += length;
  }
  return true;
}

// The character of a byte; none for those Windows-1252 leaves undefined.
std::optional<char32_t> CharacterOf(char byte) {
  const auto b = static_cast<unsigned char>(byte);
  if (b < 0x80 || b >= 0xA0) return b;
  const char32_t c = kHighRow[b - 0x80];
  if (c == 0) return std::nullopt;
  return c;
}

void AppendUtf8(std::string& out, char32_t c) {
  const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
  if (c < 0x80) {
    out += byte(c);
  } else if (c < 0x800) {
    out += {byte(0xC0 | (c >> 6)), byte(0x80 | (c & 0x3F))};
  } else if (c < 0x10000) {
    out += {byte(0xE0 | (c >> 12)), byte(0x80 | ((c >> 6) & 0x3F)), byte(0x80 | (c & 0x3F))};
  } else {
    out += {byte(0xF0 | (c >> 18)), byte(0x80 | ((c >> 12) & 0x3F)), byte(0x80 | ((c >> 6) & 0x3F)),
            byte(0x80 | (c & 0x3F))};
  }
}

}  // namespace

// Eight bytes at a time and without an early exit, so a long log is looked
// through at the speed of memory.
bool HasHighByte(std::string_view text) {
  std::uint64_t seen = 0;
  std::size_t i = 0;
  for (; i + 8 <= text.size(); i += 8) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + i, 8);
    seen |= word;
  }
  for (; i < text.size(); ++i) seen |= static_cast<unsigned char>(text[i]);
  return (seen & 0x8080808080808080ULL) != 0;
}

std::optional<char> Cp1252Byte(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (std::size_t i = 0; i < kHighRow.size(); ++i)
    if (kHighRow[i] == c) return static_cast<char>(0x80 + i);
  return std::nullopt;
}

std::optional<Bytes> Cp1252Letters(char32_t c) {
  if (const auto byte = Cp1252Byte(c)) return Bytes(1, *byte);
  Bytes nearest = Transliterated(c);
  if (nearest.empty()) return std::nullopt;
  return nearest;
}

Bytes NearestCp1252(char32_t c) { return Cp1252Letters(c).value_or("?"); }

std::optional<std::u32string> DecodeUtf8(std::string_view utf8) {
  std::u32string out;
  out.reserve(utf8.size());
  if (!WalkUtf8(utf8, [&out](char32_t c) { out += c; })) return std::nullopt;
  return out;
}

// ASCII, most of a long file, is passed over eight bytes at a time; an ASCII
// byte never lies inside a UTF-8 character, so each run of high bytes is
// checked on its own.
bool IsUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    while (i + 8 <= text.size() && !HasHighByte(text.substr(i, 8))) i += 8;
    while (i < text.size() && static_cast<unsigned char>(text[i]) < 0x80) ++i;
    const std::size_t start = i;
    while (i < text.size() && static_cast<unsigned char>(text[i]) >= 0x80) ++i;
    if (!WalkUtf8(text.substr(start, i - start), [](char32_t) {})) return false;
  }
  return true;
}

Bytes Cp1252FromUnicode(std::u32string_view text) {
  Bytes out;
  out.reserve(text.size());
  for (char32_t c : text) {
    if (const auto byte = Cp1252Byte(c))  // most characters: no string to make
      out += *byte;
    else
      out += NearestCp1252(c);
  }
  return out;
}

Bytes DefinedCp1252(std::string_view bytes) {
  Bytes out(bytes);
  for (char& byte : out)
    if (!CharacterOf(byte)) byte = '?';
  return out;
}

std::string Utf8FromUnicode(std::u32string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char32_t c : text) AppendUtf8(out, c);
  return out;
}

std::string Utf8FromCp1252(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char byte : bytes) AppendUtf8(out, CharacterOf(byte).value_or(U'?'));
  return out;
}

}  // namespace kmb
