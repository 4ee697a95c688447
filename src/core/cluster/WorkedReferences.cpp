#include "core/cluster/WorkedReferences.h"

#include <algorithm>

#include "core/log/LogLine.h"

namespace kmb {

// Read as FindContactedLavoir reads the log, so that a state and the entry's
// refusal always agree.
WorkedReferences::WorkedReferences(const Lines& log) {
  for (const Bytes& line : log) {
    std::vector<std::string>& bands = bandsOf_[log_columns::Ref(line)];
    std::string band = Trim(log_columns::Bande(line));
    if (std::find(bands.begin(), bands.end(), band) == bands.end()) bands.push_back(std::move(band));
  }
}

ReferenceState WorkedReferences::stateOf(const std::string& reference, std::string_view band) const {
  if (reference.empty()) return ReferenceState::NoReference;
  const auto found = bandsOf_.find(reference);
  if (found == bandsOf_.end()) return ReferenceState::NewLavoir;
  const auto& bands = found->second;
  return std::find(bands.begin(), bands.end(), band) == bands.end() ? ReferenceState::NewOnBand
                                                                    : ReferenceState::AlreadyWorked;
}

}  // namespace kmb
