#include "core/reports/AdifReader.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "core/log/Cp1252Case.h"
#include "core/log/Cp1252Text.h"
#include "core/log/Utf16Text.h"

namespace kmb {
namespace {

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Where a value of `length` ends, the text holding at least `length` bytes
// from `start`: `length` bytes when that ends a character and is followed by
// the next tag (or the end); otherwise `length` UTF-8 characters, as some
// loggers count.
std::size_t ValueEnd(std::string_view text, std::size_t start, std::size_t length) {
  const std::size_t asBytes = start + length;
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

// Each value on its own: a UTF-8 file another program added to holds
// Windows-1252 values among its UTF-8 ones.
Bytes ToWindows1252(std::string_view value) {
  if (const auto characters = DecodeUtf8(value)) return Cp1252FromUnicode(*characters);
  return DefinedCp1252(value);
}

bool IsPlainAscii(char c) { return c >= ' ' && c < 0x7F; }

std::string_view WithoutEdgeBlanks(std::string_view text) {
  const std::size_t begin = text.find_first_not_of(' ');
  if (begin == std::string_view::npos) return {};
  return text.substr(begin, text.find_last_not_of(' ') - begin + 1);
}

// Loggers count a line break or a tab into a value's length: control
// characters become blanks, so no value can break a log line. Most values
// are printable ASCII, the same in both encodings: kept as they are.
void AddField(AdifFields& record, std::string_view tag, std::string_view raw) {
  const std::string lowerCaseTag = LowerCp1252(tag);
  if (std::all_of(raw.begin(), raw.end(), IsPlainAscii))
    record.add(lowerCaseTag, WithoutEdgeBlanks(raw));
  else
    record.add(lowerCaseTag, Trim(BlankControls(ToWindows1252(raw))));
}

// "<eor>" or "<EOR>", without a copy of the tag.
bool IsMarker(std::string_view tag, std::string_view lowerCaseMarker) {
  return tag.size() == lowerCaseMarker.size() && LowerCp1252(tag) == lowerCaseMarker;
}

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

// The length a field's tag gives ("call:5", "name:4:S"); none for another tag.
std::optional<std::size_t> FieldLength(std::string_view tag) {
  const std::size_t colon = tag.find(':');
  if (colon == std::string_view::npos || colon == 0) return std::nullopt;
  const std::string_view text = tag.substr(colon + 1);
  std::size_t length = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), length);
  if (error != std::errc{} || (end != text.data() + text.size() && *end != ':')) return std::nullopt;
  return length;
}

// Keeps a record that holds a field; false when told to stop there.
bool EndRecord(AdifFile& file, AdifFields& record, const RecordsReadCallback& recordsRead) {
  if (record.size() == 0) return true;
  file.records.push_back(std::move(record));
  record = {};
  record.reserveLike(file.records.back());  // the next record is most likely alike
  if (!recordsRead || recordsRead(file.records.size())) return true;
  file.stopped = true;
  return false;
}

// The records of UTF-8 or Windows-1252 text.
AdifFile ReadRecords(std::string_view bytes, const RecordsReadCallback& recordsRead) {
  if (bytes.starts_with(kUtf8Mark)) bytes.remove_prefix(kUtf8Mark.size());
  AdifFile file;
  AdifFields record;
  for (std::size_t at = BodyStart(bytes); at < bytes.size();) {
    const std::size_t open = bytes.find('<', at);
    if (open == std::string_view::npos) break;
    // A tag holds no "<": the one before was free text ("score <1000 points").
    const std::size_t close = bytes.find_first_of("<>", open + 1);
    if (close == std::string_view::npos) {
      if (record.size() > 0) file.cut = std::move(record);
      return file;
    }
    if (bytes[close] == '<') {
      at = close;
      continue;
    }
    at = close + 1;
    const std::string_view tag = bytes.substr(open + 1, close - open - 1);
    if (IsMarker(tag, "eoh")) {  // what came before was a header
      record = {};
      continue;
    }
    if (IsMarker(tag, "eor")) {
      if (!EndRecord(file, record, recordsRead)) return file;
      continue;
    }
    const auto length = FieldLength(tag);
    if (!length) continue;
    file.isAdif = true;
    if (*length > bytes.size() - at) {
      file.cut = std::move(record);
      return file;
    }
    const std::size_t valueEnd = ValueEnd(bytes, at, *length);
    AddField(record, tag.substr(0, tag.find(':')), bytes.substr(at, valueEnd - at));
    at = valueEnd;
  }
  EndRecord(file, record, recordsRead);  // the last record, its <eor> left out
  return file;
}

}  // namespace

void AdifFields::add(std::string_view lowerCaseTag, std::string_view value) {
  if (value.empty()) return;
  text_ += lowerCaseTag;
  const std::size_t tagEnd = text_.size();
  text_ += value;
  ends_.push_back({tagEnd, text_.size()});
}

std::optional<std::size_t> AdifFields::find(std::string_view lowerCaseTag) const {
  const std::string_view text = text_;
  std::size_t tagStart = 0;
  for (std::size_t i = 0; i < ends_.size(); tagStart = ends_[i++].value)
    if (text.substr(tagStart, ends_[i].tag - tagStart) == lowerCaseTag) return i;
  return std::nullopt;
}

std::string_view AdifFields::value(std::string_view lowerCaseTag) const {
  const auto field = find(lowerCaseTag);
  if (!field) return {};
  const std::size_t start = ends_[*field].tag;
  return std::string_view(text_).substr(start, ends_[*field].value - start);
}

bool AdifFields::has(std::string_view lowerCaseTag) const { return find(lowerCaseTag).has_value(); }

void AdifFields::reserveLike(const AdifFields& other) {
  text_.reserve(other.text_.size());
  ends_.reserve(other.ends_.size());
}

AdifFile ReadAdif(std::string_view bytes, const RecordsReadCallback& recordsRead) {
  if (const auto utf16 = ReadUtf16(bytes)) return ReadRecords(Utf8FromUnicode(utf16->characters), recordsRead);
  return ReadRecords(bytes, recordsRead);
}

}  // namespace kmb
