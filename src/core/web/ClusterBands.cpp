#include "core/web/ClusterBands.h"

#include <cmath>

#include "core/log/Bands.h"
#include "core/log/LeadingNumber.h"

namespace kmb {

// The HF group, every band of the band table, the VHF group.
const std::array<ClusterBand, kClusterBandCount>& ClusterBands() {
  static const std::array<ClusterBand, kClusterBandCount> bands = [] {
    std::array<ClusterBand, kClusterBandCount> list{};
    list.front() = {"All HF", kHf};
    for (std::size_t i = 0; i < kBands.size(); ++i) list[i + 1] = {kBands[i].label, kBands[i].clusterCode};
    list.back() = {"All VHF", kVhf};
    return list;
  }();
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
