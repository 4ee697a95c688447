#include "core/cluster/SpotAnnounce.h"

#include <charconv>

#include "core/log/Bands.h"
#include "core/log/FixedColumns.h"
#include "core/log/FixedDecimals.h"

namespace kmb {

std::string AnnounceComment(std::string_view reference, std::string_view lavoirName) {
  return Trim("KMB " + std::string(reference) + " " + Trim(lavoirName));
}

std::optional<double> AnnounceKilohertz(std::string_view typed) {
  std::string text = Trim(typed);
  for (char& c : text)
    if (c == ',') c = '.';
  double kHz = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), kHz, std::chars_format::fixed);
  const Band* band = BandOfFrequency(kHz / 1000);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size() || !band || !band->inEntryList)
    return std::nullopt;
  return kHz;
}

std::string AnnounceLine(double kHz, std::string_view call, std::string_view comment) {
  std::string line = "DX " + FixedDecimals(kHz, 1) + " " + std::string(call) + " ";
  for (const char c : comment)
    if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7f) line.push_back(c);
  return Trim(line) + "\r\n";
}

}  // namespace kmb
