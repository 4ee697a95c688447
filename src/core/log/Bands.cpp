#include "core/log/Bands.h"

#include <algorithm>

#include "core/log/Cp1252Case.h"

namespace kmb {
namespace {

template <typename Matches>
const Band* FindBand(Matches matches) {
  const auto found = std::find_if(kBands.begin(), kBands.end(), matches);
  return found == kBands.end() ? nullptr : &*found;
}

}  // namespace

const Band* BandOfLabel(std::string_view label) {
  return FindBand([label](const Band& band) { return band.label == label; });
}

const Band* BandOfAdif(std::string_view adif) {
  const std::string lower = LowerCp1252(adif);  // the table's ADIF names are in small letters
  return FindBand([&lower](const Band& band) { return band.adif == lower; });
}

const Band* BandOfFrequency(double mhz) {
  return FindBand([mhz](const Band& band) { return mhz >= band.lowMhz && mhz <= band.highMhz; });
}

}  // namespace kmb
