#include "core/search/SearchResultRow.h"

#include <algorithm>

#include "core/log/LogLine.h"

namespace kmb {
namespace {

// A piece of the main-list row and where the result row shows it.
struct ResultPiece {
  std::size_t rowFirst;
  std::size_t width;
  std::size_t resultFirst;
  std::string_view title;
};

// Number, call sign and department keep their places; the rest moves left.
constexpr ResultPiece kResultPieces[] = {
    {1, kRowNumberWidth, 1, "N\xB0"},
    {fields::Indicatif.rowFirst, fields::Indicatif.width, fields::Indicatif.rowFirst, "Indicatif"},
    {fields::Dpt.rowFirst, 3, fields::Dpt.rowFirst, "Dpt"},
    {fields::Date.rowFirst, fields::Date.width, 27, "Date"},
    {fields::Bande.rowFirst, fields::Bande.width + 1, 37, "Bande"},
    {fields::Ref.rowFirst, fields::Ref.width, 47, "N\xB0 KMB"},
    {fields::NomLavoir.rowFirst, fields::NomLavoir.width, 54, "Nom du Lavoir"},
    {fields::Qsl.rowFirst, fields::Qsl.width, kSearchResultLength, "QSL"},
};

}  // namespace

// Cut without trimming; padded so a short row cannot shift the columns.
Bytes SearchResultRow(std::string_view row) {
  Bytes result;
  result.reserve(kSearchResultLength);
  for (const ResultPiece& piece : kResultPieces) {
    result.append(piece.resultFirst - 1 - result.size(), ' ');
    result += PadRight(Column(row, piece.rowFirst, piece.width), piece.width);
  }
  return result;
}

Bytes SearchResultTitles() {
  const auto at = [](const ResultPiece& p, TitleAlign align = TitleAlign::Left) {
    return ColumnTitle{p.title, p.resultFirst, p.width, align};
  };
  const auto& p = kResultPieces;
  return TitleLine({at(p[0], TitleAlign::Right), at(p[1]), at(p[2]), at(p[3]), at(p[4]), at(p[5]), at(p[6]), at(p[7])});
}

std::optional<std::size_t> ListIndexOfRow(const std::vector<Bytes>& listRows, std::string_view foundRow,
                                          std::size_t formerIndex) {
  if (foundRow.size() <= kRowNumberWidth) return std::nullopt;
  if (formerIndex < listRows.size() && listRows[formerIndex] == foundRow) return formerIndex;
  const std::string_view qso = foundRow.substr(kRowNumberWidth);
  std::optional<std::size_t> nearest;
  const auto distance = [formerIndex](std::size_t i) { return i > formerIndex ? i - formerIndex : formerIndex - i; };
  for (std::size_t i = 0; i < listRows.size(); ++i) {
    if (std::string_view(listRows[i]).substr(std::min(kRowNumberWidth, listRows[i].size())) != qso) continue;
    if (!nearest || distance(i) < distance(*nearest)) nearest = i;
  }
  return nearest;
}

}  // namespace kmb
