#pragma once
// The whole log of a station written as an ADIF file beside it.
#include <filesystem>
#include <string>
#include <string_view>

#include "core/log/FileSystem.h"
#include "core/log/LogFile.h"

namespace kmb {

// The stored call sign followed by "_KMB.adi".
std::string AdifFileName(std::string_view storedCall);

// The six header lines, then one record per log line, in file order.
Bytes AdifFileText(std::string_view storedCall, const Lines& logLines);

struct AdifExportResult {
  IoStatus error;
  std::size_t withoutDateOrTime = 0;  // records written with an empty QSO_DATE or TIME_ON
};

// Reads the station's log and replaces its ADIF file in one step, so that a
// failure leaves the previous export whole (or none at all).
AdifExportResult ExportAdif(FileSystem& fs, const std::filesystem::path& folder, std::string_view storedCall);

}  // namespace kmb
