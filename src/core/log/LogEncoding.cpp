#include "core/log/LogEncoding.h"

#include "core/log/Cp1252Text.h"
#include "core/log/Utf16Text.h"

namespace kmb {
namespace {

Bytes Utf8LineToCp1252(std::string_view line) { return Cp1252FromUnicode(*DecodeUtf8(line)); }

DecodedLog DecodeUtf16Log(const Utf16Text& text) {
  DecodedLog log;
  log.encoding = text.littleEndian ? LogEncoding::Utf16Le : LogEncoding::Utf16Be;
  log.lines = SplitLines(Cp1252FromUnicode(text.characters));
  log.convertedLines = log.lines.size();
  return log;
}

}  // namespace

DecodedLog DecodeLog(std::string_view bytes) {
  DecodedLog log;
  if (const auto utf16 = ReadUtf16(bytes)) return DecodeUtf16Log(*utf16);
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
