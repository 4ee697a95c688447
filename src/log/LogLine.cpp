#include "log/LogLine.h"

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

Bytes RowNumberField(std::size_t n) {
  const std::string digits = std::to_string(n);
  if (digits.size() >= 5) return digits;
  return std::string(4 - digits.size(), ' ') + ' ' + digits;
}

}  // namespace

Bytes FormatListRow(std::size_t rowNumber, std::string_view l) {
  Bytes row;
  row.reserve(kListRowLength);
  row += RowNumberField(rowNumber);
  row += "  " + Column(l, 1, 12);
  row += "  " + Column(l, 14, 4);
  row += " " + Column(l, 19, 15);
  row += " " + Column(l, 35, 5);
  row += "  " + Column(l, 41, 8);
  row += "  " + Column(l, 50, 5);
  row += "  " + Column(l, 56, 3);
  row += "  " + Column(l, 60, 7);
  row += "  " + Column(l, 68, 3);
  row += "  " + Column(l, 72, 3);
  row += " " + Column(l, 76, 30);
  row += "  " + Column(l, 107, 1);
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
