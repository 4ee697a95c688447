#pragma once
// A QSO found by the search, cut from its main-list row: number, call sign
// and department, date, band, reference, lavoir name and QSL mark.
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "core/log/FixedColumns.h"

namespace kmb {

inline constexpr std::size_t kSearchResultLength = 86;

Bytes SearchResultRow(std::string_view listRow);

// The titles of the result list, each over its column.
Bytes SearchResultTitles();

// Where the QSO of a row found at `formerIndex` stands now: that place while
// it still shows that row, else the row of the same QSO nearest to it, since
// rows above it may have been deleted or inserted; none once the QSO is gone.
std::optional<std::size_t> ListIndexOfRow(const std::vector<Bytes>& listRows, std::string_view foundRow,
                                          std::size_t formerIndex);

}  // namespace kmb
