#include "log/LogLine.h"

#include <cstdio>

#include "log/Cp1252Case.h"

namespace kmb {

Bytes StoredNomLavoir(std::string_view text) {
  return UpperCp1252(Trim(Trim(text).substr(0, kNomLavoirWidth)));
}

Bytes FormatLogLine(const QsoRecord& r) {
  Bytes line;
  line.reserve(kLogLineLength);
  line += PadRight(r.indicatif, kIndicatifWidth) + ' ';
  line += PadRight(r.dpt, kDptWidth) + "   ";
  line += PadRight(r.prenom, kPrenomWidth) + ' ';
  line += PadRight(r.ref, kRefWidth) + ' ';
  line += r.date + ' ';
  line += r.heure + ' ';
  line += PadRight(r.mode, kModeWidth) + ' ';
  line += PadRight(r.bande, kBandeWidth) + ' ';
  line += PadRight(r.rstR, kRstWidth) + ' ';
  line += PadRight(r.rstE, kRstWidth) + ' ';
  line += PadRight(StoredNomLavoir(r.nomLavoir), kNomLavoirWidth) + ' ';
  line += r.qsl ? '*' : ' ';
  return line;
}

QsoRecord ParseLogLine(std::string_view l) {
  namespace c = log_columns;
  return QsoRecord{c::Indicatif(l), c::Dpt(l),   c::Prenom(l), c::Ref(l),
                   c::Date(l),      c::Heure(l), c::Mode(l),   c::Bande(l),
                   c::RstR(l),      c::RstE(l),  c::NomLavoir(l), c::Qsl(l) == '*'};
}

namespace {

// Up to four digits keep a blank in front; five fill the field.
void AppendRowNumber(Bytes& out, std::size_t n) {
  char digits[24];
  const int length = std::snprintf(digits, sizeof digits, "%zu", n);
  if (length < 5) out.append(static_cast<std::size_t>(5 - length), ' ');
  out.append(digits, static_cast<std::size_t>(length));
}

// Where each piece of a log line stands in its list row; the row holds the
// number in columns 1-5 and blanks between the pieces.
struct RowPiece {
  std::size_t logFirst;
  std::size_t width;
  std::size_t rowFirst;
};
constexpr RowPiece kRowPieces[] = {{1, 12, 8},  {14, 4, 22}, {19, 15, 27}, {35, 5, 43}, {41, 8, 50},   {50, 5, 60},
                                   {56, 3, 67}, {60, 7, 72}, {68, 3, 81},  {72, 3, 86}, {76, 30, 90}, {107, 1, 122}};

}  // namespace

// A short line gives short pieces, and so a shorter row.
Bytes FormatListRow(std::size_t rowNumber, std::string_view l) {
  Bytes row;
  row.reserve(kListRowLength);
  AppendRowNumber(row, rowNumber);
  std::size_t pieceEnd = 6;
  for (const RowPiece& piece : kRowPieces) {
    row.append(piece.rowFirst - pieceEnd, ' ');
    if (piece.logFirst <= l.size()) row.append(l.substr(piece.logFirst - 1, piece.width));
    pieceEnd = piece.rowFirst + piece.width;
  }
  return row;
}

QsoRecord ParseListRow(std::string_view row) {
  return QsoRecord{Trim(Column(row, 8, 12)),  Trim(Column(row, 22, 4)),  Trim(Column(row, 27, 15)),
                   Trim(Column(row, 43, 5)),  Column(row, 50, 8),        Column(row, 60, 5),
                   Trim(Column(row, 67, 3)),  Trim(Column(row, 72, 7)),  Trim(Column(row, 81, 3)),
                   Trim(Column(row, 86, 3)),  Trim(Column(row, 90, 30)), Column(row, 122, 1) == "*"};
}

Bytes LogLineFromListRow(std::string_view row) {
  Bytes line;
  line.reserve(kLogLineLength);
  for (const RowPiece& piece : kRowPieces) {
    if (piece.logFirst > 1) line += ' ';
    line += Column(row, piece.rowFirst, piece.width);
  }
  return line;
}

}  // namespace kmb
