#pragma once
// The back of a QSL card on which a station confirms several QSOs.
#include <cstddef>
#include <string_view>
#include <vector>

#include "core/log/LogFile.h"

namespace kmb {

inline constexpr std::size_t kQsosPerCard = 18;

// The printed lines of as many cards as the ticked rows need, 18 QSOs per
// card. `confirming` is the station that signs, `stationCall` the station
// in use as it is written on the air ("F4ABC/P"); rows are those of
// QslListRow.
Lines QslCardLines(std::string_view confirming, std::string_view stationCall, const std::vector<Bytes>& tickedRows);

}  // namespace kmb
