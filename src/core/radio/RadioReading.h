#pragma once
// What the radio says and what the entry makes of it: the band of its
// frequency and the entry's mode of Hamlib's mode.
#include <optional>
#include <string>
#include <string_view>

#include "core/log/Bands.h"

namespace kmb {

// One answer of the radio: its frequency and Hamlib's name of its mode
// ("USB", "CWR"…; empty when it gave none Hamlib knows; none when the radio
// cannot tell its mode).
struct RadioReading {
  double hertz = 0;
  std::optional<std::string> mode;
  friend bool operator==(const RadioReading&, const RadioReading&) = default;
};

// "SSB" for USB and LSB, "CW" for CW and CWR, "FM" for FM, FMN and WFM, "AM"
// for AM; none for the modes the entry leaves as they are.
std::optional<std::string_view> EntryModeOfRadio(std::string_view radioMode);

// Hamlib's mode for the entry's at `hertz` (sideband by the usual rule: lower
// under 10 MHz); empty for a mode the radio is not asked to take.
std::string_view RadioModeOfEntry(std::string_view entryMode, double hertz);

// The band of the entry's list that holds the frequency; none outside them.
const Band* EntryBandOfFrequency(double hertz);

// Why an answer cannot be the radio's (frequency 0, negative, above 10 GHz,
// a mode Hamlib does not know), in French; none when it makes sense.
std::optional<std::string> ReadingFault(const RadioReading& reading);

}  // namespace kmb
