#pragma once
// Bringing a log saved in UTF-8 or UTF-16 back to Windows-1252.
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
// ("<log>.avant-conversion", then ".2", ".3"...), then replaces the log by
// its lines in Windows-1252 in one step.
ConversionResult ConvertLogToWindows1252(FileSystem& fs, const std::filesystem::path& logPath);

}  // namespace kmb
