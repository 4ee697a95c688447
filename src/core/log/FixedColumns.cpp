#include "core/log/FixedColumns.h"

#include <cstdio>

namespace kmb {

std::string Column(std::string_view text, std::size_t first, std::size_t width) {
  if (first == 0 || first > text.size()) return {};
  return std::string(text.substr(first - 1, width));
}

std::string ColumnsFrom(std::string_view text, std::size_t first) {
  if (first == 0 || first > text.size()) return {};
  return std::string(text.substr(first - 1));
}

std::string PadRight(std::string_view text, std::size_t width) {
  std::string out(text);
  if (out.size() < width) out.append(width - out.size(), ' ');
  return out;
}

std::string Trim(std::string_view text) {
  const auto begin = text.find_first_not_of(' ');
  if (begin == std::string_view::npos) return {};
  const auto end = text.find_last_not_of(' ');
  return std::string(text.substr(begin, end - begin + 1));
}

bool IsControl(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string BlankControls(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (IsControl(c)) c = ' ';
  return out;
}

std::string TwoDigits(int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d", value % 100);
  return text;
}

std::string TitleLine(std::initializer_list<ColumnTitle> titles) {
  std::string line;
  for (const ColumnTitle& title : titles) {
    const std::size_t length = title.text.size();
    std::size_t start = title.first;
    if (length > title.width) {
      // Rather to the left, so that two titles keep a blank between them.
      const std::size_t overhang = (length - title.width + 1) / 2;
      start = title.first > overhang ? title.first - overhang : 1;
    } else if (title.align == TitleAlign::Right) {
      start = title.first + title.width - length;
    }
    if (line.size() < start - 1) line.append(start - 1 - line.size(), ' ');
    line.replace(start - 1, std::string::npos, title.text);
  }
  return line;
}

}  // namespace kmb
