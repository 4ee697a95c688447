// Any bytes as a log: UTF-8, UTF-16, byte-order marks, broken sequences.
// Reading never fails, keeps one line per line of the file, and a log that
// is plain Windows-1252 already comes back byte for byte.
#include "FuzzInput.h"
#include "core/log/LogEncoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const kmb::DecodedLog log = kmb::DecodeLog(bytes);
  for (const kmb::Bytes& line : log.lines) FUZZ_CHECK(line.find('\n') == kmb::Bytes::npos);
  FUZZ_CHECK(log.convertedLines <= log.lines.size() || log.encoding == kmb::LogEncoding::Utf16Le ||
             log.encoding == kmb::LogEncoding::Utf16Be);
  if (log.encoding == kmb::LogEncoding::Windows1252) {
    FUZZ_CHECK(log.convertedLines == 0);
    FUZZ_CHECK(log.lines == kmb::SplitLines(bytes));
  } else if (log.encoding == kmb::LogEncoding::Utf8) {
    FUZZ_CHECK(log.lines.size() == kmb::SplitLines(bytes).size());
  }
  return 0;
}
