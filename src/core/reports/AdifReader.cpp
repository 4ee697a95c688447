#include "core/reports/AdifReader.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "core/log/Cp1252Case.h"
#include "core/log/Cp1252Text.h"

namespace kmb {
namespace {

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// A UTF-8 file has a mark, or is valid UTF-8 and holds a character of two
// bytes or more; a Windows-1252 file's accented letters are not valid UTF-8.
bool LooksUtf8(std::string_view bytes) { return bytes.starts_with(kUtf8Mark) || (HasHighByte(bytes) && IsUtf8(bytes)); }

// Where a value of `length` ends: `length` bytes when that ends a character
// and is followed by the next tag (or the end); otherwise `length`
// characters, as some loggers count.
std::size_t ValueEnd(std::string_view text, std::size_t start, std::size_t length, bool utf8) {
  const std::size_t asBytes = std::min(text.size(), start + length);
  if (!utf8) return asBytes;
  const auto followedByTag = [&](std::size_t end) {
    if (end < text.size() && IsContinuationByte(text[end])) return false;
    std::size_t next = end;
    while (next < text.size() && IsBlank(text[next])) ++next;
    return next == text.size() || text[next] == '<';
  };
  if (followedByTag(asBytes)) return asBytes;
  std::size_t end = start;
  for (std::size_t characters = 0; characters < length && end < text.size(); ++characters) {
    ++end;
    while (end < text.size() && IsContinuationByte(text[end])) ++end;
  }
  return followedByTag(end) ? end : asBytes;
}

Bytes ToWindows1252(std::string_view value, bool utf8) {
  if (!utf8) return Bytes(value);
  const auto characters = DecodeUtf8(value);
  return characters ? Cp1252FromUnicode(*characters) : Bytes(value);
}

// Loggers count a line break or a tab into a value's length: control
// characters become blanks, so no value can break a log line.
Bytes Cleaned(std::string_view value) { return Trim(BlankControls(value)); }

// A header's free text ends with "<eoh>"; a file that starts with a tag is
// read from it, header fields and all, and "<eoh>" forgets them.
std::size_t BodyStart(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos || text[first] == '<') return first;
  constexpr std::string_view kEndOfHeader = "<eoh>";
  const auto sameLetter = [](char a, char b) { return a == b || (a >= 'A' && a <= 'Z' && a - 'A' + 'a' == b); };
  const auto header = std::search(text.begin(), text.end(), kEndOfHeader.begin(), kEndOfHeader.end(), sameLetter);
  return header == text.end() ? first : static_cast<std::size_t>(header - text.begin()) + kEndOfHeader.size();
}

}  // namespace

Bytes AdifFields::value(std::string_view lowerCaseTag) const {
  for (const auto& [tag, value] : fields)
    if (tag == lowerCaseTag) return value;
  return {};
}

bool AdifFields::has(std::string_view lowerCaseTag) const {
  return std::any_of(fields.begin(), fields.end(), [&](const auto& field) { return field.first == lowerCaseTag; });
}

AdifFile ReadAdif(std::string_view bytes) {
  AdifFile file;
  file.utf8 = LooksUtf8(bytes);
  if (bytes.starts_with(kUtf8Mark)) bytes.remove_prefix(kUtf8Mark.size());
  AdifFields record;
  for (std::size_t at = BodyStart(bytes); at < bytes.size();) {
    const std::size_t open = bytes.find('<', at);
    if (open == std::string_view::npos) break;
    const std::size_t close = bytes.find('>', open);
    if (close == std::string_view::npos) break;
    const std::string tag = LowerCp1252(bytes.substr(open + 1, close - open - 1));
    at = close + 1;
    if (tag == "eoh") {  // what came before was a header
      record = {};
      continue;
    }
    if (tag == "eor") {
      if (!record.fields.empty()) file.records.push_back(std::move(record));
      record = {};
      continue;
    }
    const std::size_t colon = tag.find(':');
    if (colon == std::string::npos || colon == 0) continue;
    const std::string_view lengthText = std::string_view(tag).substr(colon + 1);
    std::size_t length = 0;
    const auto [end, error] = std::from_chars(lengthText.data(), lengthText.data() + lengthText.size(), length);
    if (error != std::errc{} || (end != lengthText.data() + lengthText.size() && *end != ':')) continue;
    const std::size_t valueEnd = ValueEnd(bytes, at, length, file.utf8);
    Bytes value = Cleaned(ToWindows1252(bytes.substr(at, valueEnd - at), file.utf8));
    if (!value.empty()) record.fields.emplace_back(tag.substr(0, colon), std::move(value));  // empty: absent
    file.isAdif = true;
    at = valueEnd;
  }
  return file;
}

}  // namespace kmb
