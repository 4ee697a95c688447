#include "core/log/LogFile.h"

namespace kmb {

std::filesystem::path LogFilePath(const std::filesystem::path& folder, std::string_view storedCall) {
  return folder / (std::string(storedCall) + std::string(kLogFileEnding));
}

Lines SplitLines(std::string_view bytes) {
  Lines lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = bytes.size();
    lines.emplace_back(bytes.substr(start, end - start));
    start = end + 1;
    if (end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n') ++start;
  }
  return lines;
}

bool JoinsTo(const Lines& lines, std::string_view bytes) {
  for (const Bytes& line : lines) {
    if (!bytes.starts_with(line) || bytes.substr(line.size(), 2) != "\r\n") return false;
    bytes.remove_prefix(line.size() + 2);
  }
  return bytes.empty();
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
  return fs.writeAll(LogFilePath(folder, storedCall), {});
}

}  // namespace kmb
