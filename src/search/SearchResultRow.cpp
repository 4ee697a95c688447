#include "search/SearchResultRow.h"

namespace kmb {
namespace {

constexpr std::size_t kRowNumberWidth = 5;

// Cut without trimming; padded so a short row cannot shift the columns.
Bytes Piece(std::string_view row, std::size_t first, std::size_t width) {
  return PadRight(Column(row, first, width), width);
}

}  // namespace

Bytes SearchResultRow(std::string_view r) {
  return Piece(r, 1, 24) + "  " + Piece(r, 50, 8) + "  " + Piece(r, 72, 8) + "  " + Piece(r, 43, 5) + "  " +
         Piece(r, 90, 33);
}

std::optional<std::size_t> ListIndexOfResult(const std::vector<Bytes>& listRows, std::string_view resultRow) {
  const Bytes key = Column(resultRow, 1, kRowNumberWidth);
  if (key.size() != kRowNumberWidth) return std::nullopt;
  for (std::size_t i = 0; i < listRows.size(); ++i)
    if (Column(listRows[i], 1, kRowNumberWidth) == key) return i;
  return std::nullopt;
}

}  // namespace kmb
