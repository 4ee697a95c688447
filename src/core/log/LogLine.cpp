#include "core/log/LogLine.h"

#include <cstdio>

#include "core/log/Cp1252Case.h"

namespace kmb {

Bytes StoredNomLavoir(std::string_view text) { return UpperCp1252(Trim(Trim(text).substr(0, kNomLavoirWidth))); }

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
  return QsoRecord{c::Indicatif(l), c::Dpt(l),   c::Prenom(l), c::Ref(l),  c::Date(l),      c::Heure(l),
                   c::Mode(l),      c::Bande(l), c::RstR(l),   c::RstE(l), c::NomLavoir(l), c::Qsl(l) == '*'};
}

// Up to four digits keep a blank in front; five fill the field.
Bytes ListRowNumber(std::size_t n) {
  char digits[24];
  const int length = std::snprintf(digits, sizeof digits, "%zu", n);
  Bytes number;
  if (length < 5) number.append(static_cast<std::size_t>(5 - length), ' ');
  number.append(digits, static_cast<std::size_t>(length));
  return number;
}

namespace {

// A short line gives short pieces, and so a shorter row.
void AppendRowFields(Bytes& row, std::string_view l, const Field& first, const Field& last) {
  std::size_t pieceEnd = first.rowFirst;
  for (const Field& field : fields::kAll) {
    if (field.rowFirst < first.rowFirst || field.rowFirst > last.rowFirst) continue;
    row.append(field.rowFirst - pieceEnd, ' ');
    if (field.logFirst <= l.size()) row.append(l.substr(field.logFirst - 1, field.width));
    pieceEnd = field.rowFirst + field.width;
  }
}

}  // namespace

Bytes FormatListRow(std::size_t rowNumber, std::string_view l) {
  Bytes row;
  row.reserve(kListRowLength);
  row += ListRowNumber(rowNumber);
  row.append(fields::Indicatif.rowFirst - kRowNumberWidth - 1, ' ');
  AppendRowFields(row, l, fields::Indicatif, fields::Qsl);
  return row;
}

Bytes ListRowFields(std::string_view l, const Field& first, const Field& last) {
  Bytes piece;
  AppendRowFields(piece, l, first, last);
  return piece;
}

// A control byte left in a line by another program comes out as a blank, so
// a modified QSO is written back clean.
QsoRecord EntryRecord(std::string_view l) {
  namespace f = fields;
  const auto as = [l](const Field& field) { return BlankControls(InLog(l, field)); };
  const auto trimmed = [&as](const Field& field) { return Trim(as(field)); };
  return QsoRecord{trimmed(f::Indicatif), trimmed(f::Dpt),  trimmed(f::Prenom),    trimmed(f::Ref),
                   as(f::Date),           as(f::Heure),     trimmed(f::Mode),      trimmed(f::Bande),
                   trimmed(f::RstR),      trimmed(f::RstE), trimmed(f::NomLavoir), log_columns::Qsl(l) == '*'};
}

Bytes ListTitles() {
  namespace f = fields;
  return TitleLine({{"N\xB0", 1, kRowNumberWidth, TitleAlign::Right},
                    {"Indicatif", f::Indicatif.rowFirst, f::Indicatif.width},
                    {"Dpt", f::Dpt.rowFirst, f::Dpt.width},
                    {"Prenom", f::Prenom.rowFirst, f::Prenom.width},
                    {"Ref", f::Ref.rowFirst, f::Ref.width},
                    {"Date", f::Date.rowFirst, f::Date.width},
                    {"QTR", f::Heure.rowFirst, f::Heure.width},
                    {"Mode", f::Mode.rowFirst, f::Mode.width},
                    {"QRG", f::Bande.rowFirst, f::Bande.width},
                    {"RSTR", f::RstR.rowFirst, f::RstR.width},
                    {"RSTE", f::RstE.rowFirst, f::RstE.width},
                    {"Nom du Lavoir", f::NomLavoir.rowFirst, f::NomLavoir.width},
                    {"QSL", f::Qsl.rowFirst, f::Qsl.width}});
}

}  // namespace kmb
