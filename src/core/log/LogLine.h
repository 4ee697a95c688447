#pragma once
// The QSO record, its 107-column log line and its 122-column list row.
#include <cstddef>
#include <string>
#include <string_view>

#include "core/log/FixedColumns.h"

namespace kmb {

inline constexpr std::size_t kLogLineLength = 107;
inline constexpr std::size_t kListRowLength = 122;

// One field of the QSO: its columns in the log line and where the list row
// shows them. The one table both the log and the list are read by.
struct Field {
  std::size_t logFirst;  // 1-based
  std::size_t width;
  std::size_t rowFirst;  // 1-based, in the 122-column list row
};

namespace fields {
inline constexpr Field Indicatif{1, 12, 8};
inline constexpr Field Dpt{14, 4, 22};  // the code and the first two of its three trailing blanks
inline constexpr Field Prenom{19, 15, 27};
inline constexpr Field Ref{35, 5, 43};
inline constexpr Field Date{41, 8, 50};
inline constexpr Field Heure{50, 5, 60};
inline constexpr Field Mode{56, 3, 67};
inline constexpr Field Bande{60, 7, 72};
inline constexpr Field RstR{68, 3, 81};
inline constexpr Field RstE{72, 3, 86};
inline constexpr Field NomLavoir{76, 30, 90};
inline constexpr Field Qsl{107, 1, 122};
inline constexpr Field kAll[] = {Indicatif, Dpt, Prenom, Ref, Date, Heure, Mode, Bande, RstR, RstE, NomLavoir, Qsl};
}  // namespace fields

// Field widths of the log line.
inline constexpr std::size_t kIndicatifWidth = fields::Indicatif.width;
inline constexpr std::size_t kDptWidth = 2;  // the code, in its piece of 4
inline constexpr std::size_t kPrenomWidth = fields::Prenom.width;
inline constexpr std::size_t kRefWidth = fields::Ref.width;
inline constexpr std::size_t kDateWidth = fields::Date.width;
inline constexpr std::size_t kHeureWidth = fields::Heure.width;
inline constexpr std::size_t kModeWidth = fields::Mode.width;
inline constexpr std::size_t kBandeWidth = fields::Bande.width;
inline constexpr std::size_t kRstWidth = fields::RstR.width;
inline constexpr std::size_t kNomLavoirWidth = fields::NomLavoir.width;

// One contact. Texts are Windows-1252 bytes.
struct QsoRecord {
  Bytes indicatif;
  Bytes dpt;
  Bytes prenom;
  Bytes ref;
  Bytes date;
  Bytes heure;
  Bytes mode;
  Bytes bande;
  Bytes rstR;
  Bytes rstE;
  Bytes nomLavoir;
  bool qsl = false;

  bool operator==(const QsoRecord&) const = default;
};

// Name field as the log stores it: trimmed, upper case, at most 30 characters.
Bytes StoredNomLavoir(std::string_view text);

// The 107-column line. Fields are padded, never cut, except the lavoir name
// (StoredNomLavoir): callers make sure the other fields fit their columns.
Bytes FormatLogLine(const QsoRecord& record);

// Fields by the column table, untrimmed; `dpt` is columns 14-17 (the code and
// two blanks). A short line gives short or empty fields.
QsoRecord ParseLogLine(std::string_view line);

// The row number fills the first 5 columns of a list row.
inline constexpr std::size_t kRowNumberWidth = 5;

inline std::string InLog(std::string_view line, const Field& f) { return Column(line, f.logFirst, f.width); }

// Column pieces of a log line, as every reader of the log takes them.
namespace log_columns {
inline std::string Indicatif(std::string_view l) { return InLog(l, fields::Indicatif); }
inline std::string Dpt(std::string_view l) { return InLog(l, fields::Dpt); }
inline std::string Prenom(std::string_view l) { return InLog(l, fields::Prenom); }
inline std::string Ref(std::string_view l) { return InLog(l, fields::Ref); }
inline std::string Date(std::string_view l) { return InLog(l, fields::Date); }
inline std::string Heure(std::string_view l) { return InLog(l, fields::Heure); }
inline std::string Mode(std::string_view l) { return InLog(l, fields::Mode); }
inline std::string Bande(std::string_view l) { return InLog(l, fields::Bande); }
inline std::string RstR(std::string_view l) { return InLog(l, fields::RstR); }
inline std::string RstE(std::string_view l) { return InLog(l, fields::RstE); }
inline std::string NomLavoir(std::string_view l) { return InLog(l, fields::NomLavoir); }
inline char Qsl(std::string_view l) { return l.size() >= fields::Qsl.logFirst ? l[fields::Qsl.logFirst - 1] : ' '; }
}  // namespace log_columns

// The numbered row of the main list. Numbers up to 9,999 keep a blank in
// front; five-digit numbers fill the field, so logs up to 99,999 lines list.
Bytes FormatListRow(std::size_t rowNumber, std::string_view logLine);

// The number alone, as the first columns of its row show it.
Bytes ListRowNumber(std::size_t rowNumber);

// The fields `first` to `last` of a line as its list row shows them, with
// the row's blanks between them.
Bytes ListRowFields(std::string_view logLine, const Field& first, const Field& last);

// Fields for the entry controls, trimmed except date and time.
QsoRecord EntryRecord(std::string_view logLine);

// The titles of the main list, each over its column of the rows.
Bytes ListTitles();

// Largest log the list can number.
inline constexpr std::size_t kMaxListedLines = 99'999;

}  // namespace kmb
