#pragma once
// Where a spot's wash-house stands in the log: never contacted, contacted on
// other bands only, or already contacted on the spot's band (which the entry
// would refuse). The log's references are compared in their stored form.
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/log/LogFile.h"

namespace kmb {

enum class ReferenceState { NoReference, NewLavoir, NewOnBand, AlreadyWorked };

class WorkedReferences {
 public:
  WorkedReferences() = default;
  explicit WorkedReferences(const Lines& log);

  ReferenceState stateOf(const std::string& reference, std::string_view band) const;

 private:
  std::unordered_map<std::string, std::vector<std::string>> bandsOf_;  // trimmed bands of each reference
};

}  // namespace kmb
