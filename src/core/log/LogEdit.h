#pragma once
// The one way the log changes: a change computed on the log as listed, a
// copy of the day, the first-name list, then the log, each replaced
// atomically. A failed step leaves both files as they were, unless the
// first-name list cannot be put back, which the result tells.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "core/log/LogSnapshot.h"

namespace kmb {

using LogChange = std::function<Lines(Lines)>;  // given the log as it is, gives it changed

struct LogEdit {
  std::filesystem::path folder;  // holds the log, the first-name list, the temporary files
  std::string storedCall;
  LogChange change;
  Lines firstNameLines;   // learnt before the log is written
  std::string backupDay;  // "YYYY-MM-DD"; empty: no copy of the day
  // Written instead of the changed lines joined: an undo gives back a file
  // whose line ends or bytes were not the program's own.
  std::optional<Bytes> exactBytes;
};

enum class EditRefusal {
  None,
  ChangedOnDisk,             // the file is no longer what was listed
  NotWindows1252,            // the log waits for its conversion
  FirstNamesNotWindows1252,  // so does the first-name list
  TooManyLines,              // the list could not show the result
};

struct EditResult {
  Lines lines;  // the log as written
  // The file before the change, when its lines joined again would not give it back.
  std::optional<Bytes> bytesBefore;
  IoStatus error;
  EditRefusal refusal = EditRefusal::None;
  IoStatus backupError;      // the copy of the day failed; the change went on
  IoStatus firstNamesError;  // after a failed log write, the first-name list could not be put back

  bool done() const { return !error && refusal == EditRefusal::None; }
};

EditResult EditLog(FileSystem& fs, const LogSnapshot& listed, const LogEdit& edit);

}  // namespace kmb
