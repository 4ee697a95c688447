#pragma once
// A QSO found by the search, cut from its log line and numbered as its row of
// the main list: number, call sign and department, date, band, reference,
// lavoir name and QSL mark.
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "core/log/LogFile.h"

namespace kmb {

inline constexpr std::size_t kSearchResultLength = 86;

Bytes SearchResultRow(std::size_t rowNumber, std::string_view logLine);

// The titles of the result list, each over its column.
Bytes SearchResultTitles();

// Where the QSO of a line found at `formerIndex` stands now: that place while
// it still holds that line, else the same line nearest to it, since lines
// above it may have been deleted or inserted; none once the QSO is gone.
std::optional<std::size_t> ListIndexOfLine(const Lines& lines, std::string_view foundLine, std::size_t formerIndex);

}  // namespace kmb
