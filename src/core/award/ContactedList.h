#pragma once
// The list of wash-houses contacted on one band group, and its saved and
// printed forms. All texts are Windows-1252 bytes.
#include <cstddef>
#include <optional>
#include <string_view>

#include "core/app/Clock.h"
#include "core/award/AwardRules.h"

namespace kmb {

// Reference, lavoir name, date, call sign and QSL mark as they stand in the
// log line, 65 columns for a whole line.
Bytes ContactedListLine(std::string_view logLine);

// The titles of the list on screen, each over its column.
Bytes ContactedListTitles();

struct ContactedList {
  Lines lines;  // in reference order
  int listed = 0;
  int confirmed = 0;
};

ContactedList ListContacted(const Lines& log, std::string_view group);

// The number right-aligned in 5 columns, a blank, the list line.
Bytes NumberedLine(std::size_t number, std::string_view listLine);

// Call, group and dd_mm_yy date: "F4ABC_Liste_Lavoirs_Bande_HF_05_12_26.txt".
// None when the typed group could lead the name out of the program folder
// ("/", "\", ":", "..", control characters).
std::optional<Bytes> SavedListFileName(std::string_view storedCall, std::string_view group, const ClockReading& today);

// Title, header, numbered lines and author line, each ended by CR LF.
Bytes SavedListContent(std::string_view storedCall, std::string_view group, const ClockReading& today,
                       const Lines& listLines);

// The lines of the printed page, in order.
Lines PrintedListLines(std::string_view storedCall, std::string_view group, const ClockReading& today,
                       const Lines& listLines);

}  // namespace kmb
