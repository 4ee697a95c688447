#pragma once
// Whether a wash-house reference is already in the log on a band.
#include <optional>
#include <string_view>

#include "core/log/LogFile.h"

namespace kmb {

struct EarlierContact {
  Bytes date;  // columns 41-48 of the line found
  Bytes band;  // trimmed
};

// The first line whose reference (columns 35-39) equals `ref` and whose
// trimmed band equals `band`, both exactly.
std::optional<EarlierContact> FindContactedLavoir(const Lines& log, std::string_view ref, std::string_view band);

}  // namespace kmb
