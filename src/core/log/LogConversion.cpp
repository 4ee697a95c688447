#include "core/log/LogConversion.h"

#include <string>

#include "core/log/LogEncoding.h"

namespace kmb {
namespace {

std::filesystem::path FreeOriginalName(FileSystem& fs, const std::filesystem::path& logPath) {
  const std::string base = logPath.string() + ".avant-conversion";
  std::filesystem::path name = base;
  for (int n = 2; fs.exists(name); ++n) name = base + "." + std::to_string(n);
  return name;
}

}  // namespace

ConversionResult ConvertLogToWindows1252(FileSystem& fs, const std::filesystem::path& logPath) {
  const ReadResult read = fs.readAll(logPath);
  if (read.error) return {{}, {}, read.error};
  ConversionResult result{FreeOriginalName(fs, logPath), DecodeLog(read.bytes).lines, std::nullopt};
  result.error = ReplaceFileAtomically(fs, result.original, read.bytes);
  if (!result.error) result.error = ReplaceOperatorFile(fs, logPath, JoinLines(result.lines));
  return result;
}

}  // namespace kmb
