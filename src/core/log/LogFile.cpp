#include "core/log/LogFile.h"

#include <cerrno>

namespace kmb {

std::filesystem::path LogFilePath(const std::filesystem::path& folder, std::string_view storedCall) {
  return folder / (std::string(storedCall) + std::string(kLogFileEnding));
}

Lines SplitLines(std::string_view bytes) {
  Lines lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    const bool last = end == std::string_view::npos;
    if (last) end = bytes.size();
    std::string_view line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    start = last ? bytes.size() : end + 1;
  }
  return lines;
}

Bytes JoinLines(const Lines& lines) {
  std::size_t size = 0;
  for (const Bytes& line : lines) size += line.size() + 2;
  Bytes out;
  out.reserve(size);
  for (const Bytes& line : lines) {
    out += line;
    out += "\r\n";
  }
  return out;
}

LinesResult ReadLines(FileSystem& fs, const std::filesystem::path& path) {
  ReadResult read = fs.readAll(path);
  if (read.error) return {{}, read.error};
  return {SplitLines(read.bytes), std::nullopt};
}

IoStatus CreateLogFile(FileSystem& fs, const std::filesystem::path& folder, std::string_view storedCall) {
  const auto path = LogFilePath(folder, storedCall);
  if (fs.exists(path)) return IoError{IoError::Step::Create, path, EEXIST};
  return fs.writeAll(path, {});
}

}  // namespace kmb
