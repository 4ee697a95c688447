#pragma once
// Liste_Prenom.txt: one line per known call sign, "call(12) dpt(2) PRENOM",
// so a known station fills its first name and department by itself.
#include <optional>
#include <string_view>

#include "core/log/LogEncoding.h"
#include "core/log/LogFile.h"

namespace kmb {

inline constexpr const char* kFirstNameListName = "Liste_Prenom.txt";

struct KnownStation {
  Bytes dpt;     // empty when none was given
  Bytes prenom;  // upper case
};

struct FirstNameListRead {
  DecodedLog text;  // lines in Windows-1252, each control byte a blank
  IoStatus error;   // never set for an absent list, which knows nobody
};

// Liste_Prenom.txt of `folder` as another program may have saved it (UTF-8 or
// UTF-16, with a mark or not): read as such, so accents come back.
FirstNameListRead ReadFirstNameList(FileSystem& fs, const std::filesystem::path& folder);

// The last line whose trimmed first 12 characters equal `call` exactly.
std::optional<KnownStation> FindFirstName(const Lines& list, std::string_view call);

// Call sign padded to 12, blank, department padded to 2, blank, first name.
Bytes FirstNameLine(std::string_view call, std::string_view dpt, std::string_view prenom);

// Every line of a new line's call sign becomes that line, appended when none
// is; of several new lines of one call sign, the last wins, at the place of
// the first. One pass over the list.
Lines StoreFirstNames(const Lines& list, const Lines& newLines);

// One line per call sign of `oldestFirst` (lines of QSOs, oldest first): the
// department and first name of its latest QSO that gives one, else those the
// list knows, so a QSO without them never blanks them. A line the QSOs change
// nothing of is the list's own, byte for byte.
Lines LatestFirstNames(const Lines& list, const Lines& oldestFirst);

}  // namespace kmb
