#pragma once
// The four ways the log changes. Each takes the whole log and gives the whole
// new log; lines are compared as whole texts, so duplicates move together.
#include <cerrno>
#include <string_view>

#include "log/LogFile.h"

namespace kmb {

// Appends, except that the line goes before the first line whose leading
// number (its call sign starting with a digit) is greater than its own.
Lines AddLogLine(const Lines& log, const Bytes& newLine);

// Before the first line dated at or after the new one; last when none is.
// Lines whose date or time cannot be read are passed over, never moved.
Lines InsertLogLineByDate(const Lines& log, const Bytes& newLine);

// Every line equal to `oldLine` becomes `newLine`; appended when none is.
Lines ReplaceLogLine(const Lines& log, const Bytes& newLine, const Bytes& oldLine);

// Every line equal to `oldLine` is left out.
Lines DeleteLogLine(const Lines& log, const Bytes& oldLine);

// Reads the log (an absent log is an empty one), applies `change` and puts
// the result in place through `tempName` in the same folder, atomically.
// Gives the lines now in the file.
template <typename Change>
LinesResult RewriteLogFile(FileSystem& fs, const std::filesystem::path& logPath, std::string_view tempName,
                           Change change) {
  LinesResult log = ReadLines(fs, logPath);
  if (log.error && log.error->errnum != ENOENT) return {{}, log.error};
  Lines changed = change(log.lines);
  if (IoStatus error = ReplaceFileAtomically(fs, logPath, logPath.parent_path() / tempName, JoinLines(changed)))
    return {{}, error};
  return {std::move(changed), std::nullopt};
}

}  // namespace kmb
