#pragma once
// Logs as operators really keep them: a log saved by a modern editor holds
// UTF-8 (accented letters as two bytes) or starts with a byte-order mark.
// Such a log is read in Windows-1252 all the same, so its columns stay in
// place, and is never written to before it has been converted.
#include <cstddef>
#include <string>
#include <string_view>

#include "core/log/LogFile.h"

namespace kmb {

enum class LogEncoding { Windows1252, Utf8, Utf8WithMark, Utf16Le, Utf16Be };

struct DecodedLog {
  Lines lines;  // in Windows-1252
  LogEncoding encoding = LogEncoding::Windows1252;
  std::size_t convertedLines = 0;  // lines that were not Windows-1252
};

// A line that is valid UTF-8 and holds a character of two bytes or more is
// UTF-8; every other line is Windows-1252 already. A mark decides for the
// whole file, and so do the zero bytes of UTF-16 saved without one.
DecodedLog DecodeLog(std::string_view bytes);

// What was found, in French, for the operator.
std::string LogEncodingDescription(const DecodedLog& log);  // UTF-8

}  // namespace kmb
