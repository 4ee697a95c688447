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

// Appends the separator, then columns [first, first + width) of `line`.
void AppendPiece(Bytes& out, std::string_view separator, std::string_view line, std::size_t first, std::size_t width) {
  out.append(separator);
  if (first <= line.size()) out.append(line.substr(first - 1, width));
}

}  // namespace

Bytes FormatListRow(std::size_t rowNumber, std::string_view l) {
  Bytes row;
  row.reserve(kListRowLength);
  AppendRowNumber(row, rowNumber);
  AppendPiece(row, "  ", l, 1, 12);
  AppendPiece(row, "  ", l, 14, 4);
  AppendPiece(row, " ", l, 19, 15);
  AppendPiece(row, " ", l, 35, 5);
  AppendPiece(row, "  ", l, 41, 8);
  AppendPiece(row, "  ", l, 50, 5);
  AppendPiece(row, "  ", l, 56, 3);
  AppendPiece(row, "  ", l, 60, 7);
  AppendPiece(row, "  ", l, 68, 3);
  AppendPiece(row, "  ", l, 72, 3);
  AppendPiece(row, " ", l, 76, 30);
  AppendPiece(row, "  ", l, 107, 1);
  return row;
}

QsoRecord ParseListRow(std::string_view row) {
  return QsoRecord{Trim(Column(row, 8, 12)),  Trim(Column(row, 22, 4)),  Trim(Column(row, 27, 15)),
                   Trim(Column(row, 43, 5)),  Column(row, 50, 8),        Column(row, 60, 5),
                   Trim(Column(row, 67, 3)),  Trim(Column(row, 72, 7)),  Trim(Column(row, 81, 3)),
                   Trim(Column(row, 86, 3)),  Trim(Column(row, 90, 30)), Column(row, 122, 1) == "*"};
}

Bytes LogLineFromListRow(std::string_view row) {
  return Column(row, 8, 12) + " " + Column(row, 22, 4) + " " + Column(row, 27, 15) + " " +
         Column(row, 43, 5) + " " + Column(row, 50, 8) + " " + Column(row, 60, 5) + " " +
         Column(row, 67, 3) + " " + Column(row, 72, 7) + " " + Column(row, 81, 3) + " " +
         Column(row, 86, 3) + " " + Column(row, 90, 30) + " " + Column(row, 122, 1);
}

}  // namespace kmb
