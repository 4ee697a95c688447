#include "core/log/LogEncoding.h"

#include <algorithm>
#include <optional>

#include "core/log/Cp1252Text.h"

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

Bytes Utf8LineToCp1252(std::string_view line) { return Cp1252FromUnicode(*DecodeUtf8(line)); }

// UTF-16 saved without a mark still shows: a log is nearly all ASCII, so one
// byte of almost every pair is zero, which a Windows-1252 log never holds.
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

DecodedLog DecodeUtf16Log(std::string_view bytes, bool littleEndian) {
  DecodedLog log;
  log.encoding = littleEndian ? LogEncoding::Utf16Le : LogEncoding::Utf16Be;
  log.lines = SplitLines(Cp1252FromUnicode(DecodeUtf16(bytes, littleEndian)));
  log.convertedLines = log.lines.size();
  return log;
}

}  // namespace

DecodedLog DecodeLog(std::string_view bytes) {
  DecodedLog log;
  if (bytes.starts_with(kUtf16LeMark) || bytes.starts_with(kUtf16BeMark))
    return DecodeUtf16Log(bytes.substr(2), bytes.starts_with(kUtf16LeMark));
  if (const auto littleEndian = UnmarkedUtf16IsLittleEndian(bytes)) return DecodeUtf16Log(bytes, *littleEndian);
  const bool marked = bytes.starts_with(kUtf8Mark);
  if (marked) {
    bytes.remove_prefix(kUtf8Mark.size());
    log.encoding = LogEncoding::Utf8WithMark;
  }
  log.lines = SplitLines(bytes);
  if (!HasHighByte(bytes)) return log;  // plain ASCII, as most logs are
  for (Bytes& line : log.lines) {
    if (!HasHighByte(line) || !IsUtf8(line)) continue;
    line = Utf8LineToCp1252(line);
    ++log.convertedLines;
  }
  if (!marked && log.convertedLines > 0) log.encoding = LogEncoding::Utf8;
  return log;
}

std::string LogEncodingDescription(const DecodedLog& log) {
  const std::string lines = std::to_string(log.convertedLines);
  switch (log.encoding) {
    case LogEncoding::Utf8: return lines + " ligne(s) enregistrée(s) en UTF-8 (lettres accentuées sur deux octets)";
    case LogEncoding::Utf8WithMark:
      return "une marque d'ordre des octets UTF-8 en tête du fichier et " + lines + " ligne(s) en UTF-8";
    case LogEncoding::Utf16Le:
    case LogEncoding::Utf16Be: return "un fichier en UTF-16 (deux octets par caractère)";
    case LogEncoding::Windows1252: break;
  }
  return "un fichier en Windows-1252";
}

}  // namespace kmb
