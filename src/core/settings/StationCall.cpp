#include "core/settings/StationCall.h"

#include <algorithm>

namespace kmb {

StationCallCheck CheckStationCall(std::string_view candidate) {
  if (candidate.empty()) return StationCallCheck::Empty;
  if (candidate.size() > kMaxStationCallLength) return StationCallCheck::TooLong;
  const auto allowed = [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || c == '_'; };
  return std::all_of(candidate.begin(), candidate.end(), allowed) ? StationCallCheck::Accepted
                                                                  : StationCallCheck::ForbiddenCharacter;
}

std::string StationCallDisplay(std::string_view stored) {
  std::string shown(stored);
  std::replace(shown.begin(), shown.end(), '_', '/');
  return shown;
}

}  // namespace kmb
