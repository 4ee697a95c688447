#include "core/radio/RadioReading.h"

#include <array>
#include <cmath>
#include <utility>

namespace kmb {
namespace {

constexpr double kHighestHertz = 10e9;
constexpr double kLowerSidebandBelowHertz = 10e6;

constexpr std::array<std::pair<std::string_view, std::string_view>, 8> kEntryModes{{
    {"USB", "SSB"},
    {"LSB", "SSB"},
    {"CW", "CW"},
    {"CWR", "CW"},
    {"FM", "FM"},
    {"FMN", "FM"},
    {"WFM", "FM"},
    {"AM", "AM"},
}};

}  // namespace

std::optional<std::string_view> EntryModeOfRadio(std::string_view radioMode) {
  for (const auto& [radio, entry] : kEntryModes)
    if (radio == radioMode) return entry;
  return std::nullopt;
}

std::string_view RadioModeOfEntry(std::string_view entryMode, double hertz) {
  if (entryMode == "SSB") return hertz < kLowerSidebandBelowHertz ? "LSB" : "USB";
  if (entryMode == "CW" || entryMode == "FM" || entryMode == "AM") return entryMode;
  return {};
}

const Band* EntryBandOfFrequency(double hertz) {
  const Band* band = BandOfFrequency(hertz / 1e6);
  return band && band->inEntryList ? band : nullptr;
}

std::optional<std::string> ReadingFault(const RadioReading& reading) {
  if (!std::isfinite(reading.hertz) || reading.hertz <= 0) return "fréquence nulle ou négative";
  if (reading.hertz > kHighestHertz) return "fréquence au-delà de 10 GHz";
  if (reading.mode && reading.mode->empty()) return "mode inconnu";
  return std::nullopt;
}

}  // namespace kmb
