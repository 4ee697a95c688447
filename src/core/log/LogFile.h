#pragma once
// The station's log file: its place, its lines, its creation.
#include <filesystem>
#include <string_view>
#include <vector>

#include "core/log/FileSystem.h"

namespace kmb {

using Lines = std::vector<Bytes>;

inline constexpr std::string_view kLogFileEnding = "_KMB.log";

// Folder, the stored call sign ("_" for "/") and "_KMB.log".
std::filesystem::path LogFilePath(const std::filesystem::path& folder, std::string_view storedCall);

// Splits at line ends: CR LF, a lone LF or a lone CR, as other programs
// end lines; a last line without an end counts, an empty text has no line.
Lines SplitLines(std::string_view bytes);

// Every line followed by CR LF.
Bytes JoinLines(const Lines& lines);
// True when `bytes` is what JoinLines gives of `lines`, found without building it.
bool JoinsTo(const Lines& lines, std::string_view bytes);

struct LinesResult {
  Lines lines;
  IoStatus error;
};

LinesResult ReadLines(FileSystem& fs, const std::filesystem::path& path);

// Creates the empty log; never touches an existing one.
IoStatus CreateLogFile(FileSystem& fs, const std::filesystem::path& folder, std::string_view storedCall);

}  // namespace kmb
