#include "core/log/LogConversion.h"

#include <string>

#include "core/log/LogEncoding.h"

namespace kmb {
namespace {

std::filesystem::path FreeOriginalName(FileSystem& fs, const std::filesystem::path& path) {
  const std::string base = path.string() + ".avant-conversion";
  std::filesystem::path name = base;
  for (int n = 2; fs.exists(name); ++n) name = base + "." + std::to_string(n);
  return name;
}

}  // namespace

ConversionResult ConvertToWindows1252(FileSystem& fs, const std::filesystem::path& path) {
  const ReadResult read = fs.readAll(path);
  if (read.error) return {{}, {}, read.error};
  ConversionResult result{FreeOriginalName(fs, path), DecodeLog(read.bytes).lines, std::nullopt};
  result.error = ReplaceFileAtomically(fs, result.original, read.bytes);
  if (!result.error) result.error = ReplaceOperatorFile(fs, path, JoinLines(result.lines));
  return result;
}

}  // namespace kmb
