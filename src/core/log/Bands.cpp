#include "core/log/Bands.h"

#include <algorithm>

namespace kmb {
namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

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
  return FindBand([adif](const Band& band) { return SameIgnoringCase(band.adif, adif); });
}

const Band* BandOfFrequency(double mhz) {
  return FindBand([mhz](const Band& band) { return mhz >= band.lowMhz && mhz <= band.highMhz; });
}

}  // namespace kmb
