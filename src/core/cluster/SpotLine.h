#pragma once
// One spot as a node writes it: a live line
//   "DX de F4ABC:     14025.0  F4KMB/P      KMB 89001 lavoir de Sens     1234Z JN18"
// or a line of the answer to "sh/dx"
//   "  14025.0  F4KMB/P     12-Mar-2024 1234Z KMB 89001 lavoir de Sens   <F4ABC>".
// A comment that fills its columns may touch the time ("CW 591234Z") or the
// spotter ("merci<F4ABC>"). A comment in UTF-8 is brought into Windows-1252,
// the log's encoding; any other is taken as Windows-1252.
#include <optional>
#include <string>
#include <string_view>

namespace kmb {

struct SpotDay {
  int year = 0;
  int month = 0;
  int day = 0;
};

struct Spot {
  std::string spotter;  // upper case
  double kHz = 0;
  std::string call;     // upper case
  std::string comment;  // Windows-1252
  std::string mode;     // "CW", "SSB", "FM" or "AM" when the comment names one
  int hour = 0;         // UTC
  int minute = 0;
  std::optional<SpotDay> day;  // given by the listing lines only
};

// The spot a line holds; none for any other line.
std::optional<Spot> ParseSpotLine(std::string_view line);

}  // namespace kmb
