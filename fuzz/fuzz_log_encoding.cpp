// Any bytes as a log: UTF-8, UTF-16, byte-order marks, broken sequences.
// Reading never fails, keeps no line end inside a line, and a log that is
// plain Windows-1252 already comes back byte for byte. Then a log as other
// programs write one: QSO lines with NULs and controls inside, ended by CR,
// LF or CR LF in any mix, maybe in UTF-16 with or without mark: every QSO
// comes back as its own line, and a modified one as one clean 107-column line.
#include <algorithm>

#include "FuzzInput.h"
#include "core/log/LogEncoding.h"
#include "core/log/LogLine.h"

namespace {

void CheckAnyBytes(std::string_view bytes) {
  const kmb::DecodedLog log = kmb::DecodeLog(bytes);
  for (const kmb::Bytes& line : log.lines) FUZZ_CHECK(line.find_first_of("\r\n") == kmb::Bytes::npos);
  if (log.encoding == kmb::LogEncoding::Windows1252) {
    FUZZ_CHECK(log.convertedLines == 0);
    FUZZ_CHECK(log.lines == kmb::SplitLines(bytes));
  } else if (log.encoding == kmb::LogEncoding::Utf8) {
    FUZZ_CHECK(log.lines.size() == kmb::SplitLines(bytes).size());
  }
}

// One QSO line of 107 columns from the input, any byte but a line end.
kmb::Bytes QsoLine(FuzzInput& input, bool ascii) {
  kmb::Bytes line(kmb::kLogLineLength, ' ');
  for (char& c : line) {
    c = static_cast<char>(ascii ? input.byte() & 0x7F : input.byte());
    if (c == '\r' || c == '\n') c = '\0';
  }
  return line;
}

kmb::Bytes Utf16(std::string_view ascii, bool littleEndian, bool marked) {
  kmb::Bytes out = marked ? (littleEndian ? "\xFF\xFE" : "\xFE\xFF") : "";
  for (const char c : ascii) out += littleEndian ? kmb::Bytes{c, '\0'} : kmb::Bytes{'\0', c};
  return out;
}

void CheckWrittenByOthers(FuzzInput& input) {
  const std::uint8_t shape = input.byte();
  const bool utf16 = shape & 1;
  const kmb::Lines qsos = [&] {
    kmb::Lines lines(1 + shape / 64u);
    for (kmb::Bytes& line : lines) line = QsoLine(input, utf16);
    return lines;
  }();
  kmb::Bytes file;
  for (const kmb::Bytes& line : qsos) {
    static constexpr const char* kEnds[] = {"\r", "\n", "\r\n"};
    file += line + kEnds[input.byte() % 3];
  }
  if (utf16) file = Utf16(file, shape & 2, shape & 4);
  const kmb::DecodedLog log = kmb::DecodeLog(file);
  // Lines that are mostly NULs may pass for the other encoding; they are garbage, not QSOs.
  const bool asWritten = utf16 ? log.encoding == kmb::LogEncoding::Utf16Le || log.encoding == kmb::LogEncoding::Utf16Be
                               : log.encoding == kmb::LogEncoding::Windows1252;
  if (asWritten) FUZZ_CHECK(log.lines == qsos);
  for (const kmb::Bytes& line : log.lines) {
    if (line.size() < kmb::kLogLineLength) continue;
    // As the entry hands it back: its checks keep the department to its two columns.
    kmb::QsoRecord opened = kmb::EntryRecord(line);
    opened.dpt = opened.dpt.substr(0, kmb::kDptWidth);
    const kmb::Bytes modified = kmb::FormatLogLine(opened);
    FUZZ_CHECK(modified.size() == kmb::kLogLineLength);
    FUZZ_CHECK(std::none_of(modified.begin(), modified.end(), kmb::IsControl));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckAnyBytes(std::string_view(reinterpret_cast<const char*>(data), size));
  FuzzInput input(data, size);
  CheckWrittenByOthers(input);
  return 0;
}
