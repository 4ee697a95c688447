#include "web/ClusterBands.h"

#include <cmath>

#include "log/LeadingNumber.h"

namespace kmb {

const std::array<ClusterBand, kClusterBandCount>& ClusterBands() {
  // The site files 432 MHz spots under 430.
  static constexpr std::array<ClusterBand, kClusterBandCount> bands{{
      {"All HF", "HF"},
      {"1.8 Mhz", "1.8"},
      {"3.5 Mhz", "3.5"},
      {"7.0 Mhz", "7"},
      {"10 Mhz", "10"},
      {"14 Mhz", "14"},
      {"18 Mhz", "18"},
      {"21 Mhz", "21"},
      {"24 Mhz", "24"},
      {"28 Mhz", "28"},
      {"50 Mhz", "50"},
      {"144 Mhz", "144"},
      {"432 Mhz", "430"},
      {"All VHF", "VHF"},
  }};
  return bands;
}

std::string_view ClusterPageCode(int index) {
  if (index < 0 || index >= kClusterBandCount) return {};
  return ClusterBands()[static_cast<std::size_t>(index)].pageCode;
}

int ClusterBandFromSetting(std::string_view stored) {
  // Rounded to nearest, ties to even, as a number put into a list index always was.
  const double index = std::nearbyint(LeadingNumber(stored));
  const bool inList = index >= 0 && index < kClusterBandCount;
  return inList ? static_cast<int>(index) : 0;
}

}  // namespace kmb
