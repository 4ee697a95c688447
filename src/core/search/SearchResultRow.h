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

// The main-list index of the row whose number (its first five characters)
// the result row starts with; none for an empty or unknown result.
std::optional<std::size_t> ListIndexOfResult(const std::vector<Bytes>& listRows, std::string_view resultRow);

}  // namespace kmb
