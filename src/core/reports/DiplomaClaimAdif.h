#pragma once
// The QSOs claimed for a diploma as an ADIF file, for the award manager's
// logger: the reference under SIG "KMB", every QSO confirmed.
#include <string_view>

#include "core/log/LogFile.h"

namespace kmb {

// A short header, then one record per log line, in the order given.
Bytes DiplomaClaimAdif(std::string_view storedCall, std::string_view group, const Lines& claimed);

}  // namespace kmb
