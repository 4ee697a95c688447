#pragma once
// The QSO record, its 107-column log line and its 122-column list row.
#include <cstddef>
#include <string>
#include <string_view>

#include "log/FixedColumns.h"

namespace kmb {

inline constexpr std::size_t kLogLineLength = 107;
inline constexpr std::size_t kListRowLength = 122;

// Field widths of the log line.
inline constexpr std::size_t kIndicatifWidth = 12;
inline constexpr std::size_t kDptWidth = 2;
inline constexpr std::size_t kPrenomWidth = 15;
inline constexpr std::size_t kRefWidth = 5;
inline constexpr std::size_t kDateWidth = 8;
inline constexpr std::size_t kHeureWidth = 5;
inline constexpr std::size_t kModeWidth = 3;
inline constexpr std::size_t kBandeWidth = 7;
inline constexpr std::size_t kRstWidth = 3;
inline constexpr std::size_t kNomLavoirWidth = 30;

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

// Column pieces of a log line, 1-based, as every reader of the log takes them.
namespace log_columns {
inline std::string Indicatif(std::string_view l) { return Column(l, 1, 12); }
inline std::string Dpt(std::string_view l) { return Column(l, 14, 4); }
inline std::string Prenom(std::string_view l) { return Column(l, 19, 15); }
inline std::string Ref(std::string_view l) { return Column(l, 35, 5); }
inline std::string Date(std::string_view l) { return Column(l, 41, 8); }
inline std::string Heure(std::string_view l) { return Column(l, 50, 5); }
inline std::string Mode(std::string_view l) { return Column(l, 56, 3); }
inline std::string Bande(std::string_view l) { return Column(l, 60, 7); }
inline std::string RstR(std::string_view l) { return Column(l, 68, 3); }
inline std::string RstE(std::string_view l) { return Column(l, 72, 3); }
inline std::string NomLavoir(std::string_view l) { return Column(l, 76, 30); }
inline char Qsl(std::string_view l) { return l.size() >= 107 ? l[106] : ' '; }
}  // namespace log_columns

// The numbered row of the main list. Numbers up to 9,999 keep a blank in
// front; five-digit numbers fill the field, so logs up to 99,999 lines list.
Bytes FormatListRow(std::size_t rowNumber, std::string_view logLine);

// Fields for the entry controls, trimmed except date and time.
QsoRecord ParseListRow(std::string_view row);

// The log line a row was made from.
Bytes LogLineFromListRow(std::string_view row);

// Largest log the list can number.
inline constexpr std::size_t kMaxListedLines = 99'999;

}  // namespace kmb
