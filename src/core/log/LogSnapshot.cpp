#include "core/log/LogSnapshot.h"

#include <cerrno>

namespace kmb {

SnapshotResult ReadLogSnapshot(FileSystem& fs, const std::filesystem::path& logPath) {
  ReadResult read = fs.readAll(logPath);
  if (read.error) {
    if (read.error->errnum == ENOENT) return {};
    return {{}, read.error, {}};
  }
  LogSnapshot snapshot{DecodeLog(read.bytes), true};
  return {std::move(snapshot), std::nullopt, std::move(read.bytes)};
}

bool SameQsos(const LogSnapshot& listed, const LogSnapshot& now) {
  if (listed.exists && !now.exists) return false;
  return listed.lines() == now.lines() && listed.text.encoding == now.text.encoding;
}

LinesResult ReadLogLines(FileSystem& fs, const std::filesystem::path& logPath) {
  ReadResult read = fs.readAll(logPath);
  if (read.error) return {{}, read.error};
  return {DecodeLog(read.bytes).lines, std::nullopt};
}

}  // namespace kmb
