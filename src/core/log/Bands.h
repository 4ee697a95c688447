#pragma once
// The program's one table of bands: the label the entry list offers and the
// log stores, the award's group, the ADIF band, the DX-cluster page code and
// the band's edges.
#include <array>
#include <optional>
#include <string_view>

namespace kmb {

inline constexpr std::string_view kHf = "HF";
inline constexpr std::string_view kVhf = "VHF";
inline constexpr std::string_view kUhf = "UHF";
// The award's groups, in the order the windows offer them.
inline constexpr std::array<std::string_view, 3> kGroups{kHf, kVhf, kUhf};

struct Band {
  std::string_view label;        // "7.0 Mhz", as the log writes it
  bool inEntryList;              // offered by the entry's band list
  std::string_view group;        // award group; "10 Mhz" is in none
  std::string_view adif;         // "40m"
  std::string_view clusterCode;  // the cluster site's name for the band's page
  double lowMhz;
  double highMhz;
};

inline constexpr std::size_t kBandCount = 12;

// From 160 m to 70 cm. 50 MHz is HF for the award, whose VHF group is the
// 144 MHz band alone; the cluster site files 432 MHz spots under 430.
inline constexpr std::array<Band, kBandCount> kBands{{
    {"1.8 Mhz", true, kHf, "160m", "1.8", 1.8, 2.0},
    {"3.5 Mhz", true, kHf, "80m", "3.5", 3.5, 4.0},
    {"7.0 Mhz", true, kHf, "40m", "7", 7.0, 7.3},
    {"10 Mhz", true, "", "30m", "10", 10.1, 10.15},
    {"14 Mhz", true, kHf, "20m", "14", 14.0, 14.35},
    {"18 Mhz", true, kHf, "17m", "18", 18.068, 18.168},
    {"21 Mhz", true, kHf, "15m", "21", 21.0, 21.45},
    {"24 Mhz", true, kHf, "12m", "24", 24.89, 24.99},
    {"28 Mhz", true, kHf, "10m", "28", 28.0, 29.7},
    {"50 Mhz", true, kHf, "6m", "50", 50.0, 54.0},
    {"144 Mhz", true, kVhf, "2m", "144", 144.0, 148.0},
    {"432 Mhz", false, kUhf, "70cm", "430", 420.0, 450.0},
}};

// The band of a label, compared exactly ("14 Mhz", not "14 MHZ").
const Band* BandOfLabel(std::string_view label);

// The band of an ADIF band name, in any case ("20M" too).
const Band* BandOfAdif(std::string_view adif);

// The band whose edges hold a frequency in MHz.
const Band* BandOfFrequency(double mhz);

}  // namespace kmb
