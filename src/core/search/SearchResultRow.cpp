#include "core/search/SearchResultRow.h"

#include <algorithm>
#include <span>

#include "core/log/LogLine.h"

namespace kmb {
namespace {

// A field of the log line, as wide as the result row shows it, and where.
struct ResultPiece {
  Field field;
  std::size_t width;
  std::size_t resultFirst;
  std::string_view title;
};

// Number, call sign and department keep their places in the main list's
// row; the rest moves left. The band keeps the blank after it.
constexpr ResultPiece kResultPieces[] = {
    {{}, kRowNumberWidth, 1, "N\xB0"},
    {fields::Indicatif, fields::Indicatif.width, fields::Indicatif.rowFirst, "Indicatif"},
    {fields::Dpt, 3, fields::Dpt.rowFirst, "Dpt"},
    {fields::Date, fields::Date.width, 27, "Date"},
    {fields::Bande, fields::Bande.width + 1, 37, "Bande"},
    {fields::Ref, fields::Ref.width, 47, "N\xB0 KMB"},
    {fields::NomLavoir, fields::NomLavoir.width, 54, "Nom du Lavoir"},
    {fields::Qsl, fields::Qsl.width, kSearchResultLength, "QSL"},
};

}  // namespace

// Cut without trimming; padded so a short line cannot shift the columns.
Bytes SearchResultRow(std::size_t rowNumber, std::string_view line) {
  Bytes result = ListRowNumber(rowNumber).substr(0, kRowNumberWidth);
  result.reserve(kSearchResultLength);
  for (const ResultPiece& piece : std::span(kResultPieces).subspan(1)) {
    result.append(piece.resultFirst - 1 - result.size(), ' ');
    const std::size_t width = std::min(piece.width, piece.field.width);
    result += PadRight(Column(line, piece.field.logFirst, width), piece.width);
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

std::optional<std::size_t> ListIndexOfLine(const Lines& lines, std::string_view foundLine, std::size_t formerIndex) {
  if (formerIndex < lines.size() && lines[formerIndex] == foundLine) return formerIndex;
  std::optional<std::size_t> nearest;
  const auto distance = [formerIndex](std::size_t i) { return i > formerIndex ? i - formerIndex : formerIndex - i; };
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] != foundLine) continue;
    if (!nearest || distance(i) < distance(*nearest)) nearest = i;
  }
  return nearest;
}

}  // namespace kmb
