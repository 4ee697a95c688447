#pragma once
// The band choices of the DX-cluster window and the page code each selects.
#include <array>
#include <string_view>

namespace kmb {

struct ClusterBand {
  std::string_view label;     // as listed in the window
  std::string_view pageCode;  // as the cluster site names its pages
};

inline constexpr int kClusterBandCount = 14;  // the bands and the two groups

// In list order: the HF group, the single bands, the VHF group.
const std::array<ClusterBand, kClusterBandCount>& ClusterBands();

// Page code of a list index; empty when no item is selected (-1) or the
// index lies outside the list.
std::string_view ClusterPageCode(int index);

// The list index a stored "bande Cluster" value selects: its leading number,
// rounded; 0 when that names no item of the list.
int ClusterBandFromSetting(std::string_view stored);

}  // namespace kmb
