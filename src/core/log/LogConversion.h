#pragma once
// Bringing a log, or the first-name list, saved in UTF-8 or UTF-16 back to
// Windows-1252.
#include <filesystem>

#include "core/log/FileSystem.h"
#include "core/log/LogFile.h"

namespace kmb {

struct ConversionResult {
  std::filesystem::path original;  // where the file as it was is kept
  Lines lines;                     // the log as now written
  IoStatus error;                  // nothing changed
};

// Copies the file as it is under a free name beside it
// ("<file>.avant-conversion", then ".2", ".3"...), then replaces it by its
// lines in Windows-1252 in one step.
ConversionResult ConvertToWindows1252(FileSystem& fs, const std::filesystem::path& path);

}  // namespace kmb
