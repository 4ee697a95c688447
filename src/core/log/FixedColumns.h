#pragma once
// Cutting and padding of fixed-column text. Every text here is Windows-1252
// bytes, one byte per character, so positions and lengths are byte counts.
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace kmb {

using Bytes = std::string;  // Windows-1252 text as stored on disk

// Columns [first, first + width) counted from 1; a short text gives a shorter
// or empty piece, never an error.
std::string Column(std::string_view text, std::size_t first, std::size_t width);

// Everything from column `first` (1-based) to the end.
std::string ColumnsFrom(std::string_view text, std::size_t first);

// Pads with blanks on the right up to `width`; a longer text is kept whole.
std::string PadRight(std::string_view text, std::size_t width);

// Removes leading and trailing blanks (only the blank, as the log writes it).
std::string Trim(std::string_view text);

// Control characters (below 0x20, and 0x7F) become blanks: a NUL or a line
// end never reaches a field of a line.
std::string BlankControls(std::string_view text);
bool IsControl(char c);

// "0" to "9" only, whatever the locale.
bool IsDigit(char c);

// The last two digits of a number, "05" for 5 and for 2005.
std::string TwoDigits(int value);

enum class TitleAlign { Left, Right };

// A column title and the columns it stands over.
struct ColumnTitle {
  std::string_view text;
  std::size_t first;  // 1-based
  std::size_t width;
  TitleAlign align = TitleAlign::Left;
};

// One line of titles, each over its columns; a title wider than its columns
// is centred on them.
std::string TitleLine(std::initializer_list<ColumnTitle> titles);

}  // namespace kmb
