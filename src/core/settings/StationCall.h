#pragma once
// The station call sign: the stored form keeps "_" where the operator means
// "/", since "/" cannot stand in a file name.
#include <string>
#include <string_view>

namespace kmb {

enum class StationCallCheck { Accepted, Empty, TooLong, ForbiddenCharacter };

inline constexpr std::size_t kMaxStationCallLength = 12;

// The station call sign while the operator has not given one.
inline constexpr std::string_view kNoStation = "FXXXX";

// Checks an upper-cased candidate: 1 to 12 of "0"-"9", "A"-"Z" and "_".
StationCallCheck CheckStationCall(std::string_view candidate);

// Stored form to display form: "_" back to "/".
std::string StationCallDisplay(std::string_view stored);

}  // namespace kmb
