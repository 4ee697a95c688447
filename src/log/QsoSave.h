#pragma once
// The files a saved QSO changes: the first-name list, then the log. Both are
// replaced atomically; when the log cannot be written the list is put back,
// so a failed save leaves both files as they were.
#include <filesystem>
#include <functional>

#include "log/LogFile.h"

namespace kmb {

using LogChange = std::function<Lines(const Lines&)>;

struct QsoSave {
  std::filesystem::path folder;   // holds the log, the list and the temporary files
  std::filesystem::path logPath;
  Bytes firstNameLine;
  const char* logTempName;        // "Temporaire.txt", or "Temporaire6.txt" for a date insertion
  LogChange change;
};

// Gives the lines of the log as written.
LinesResult SaveQso(FileSystem& fs, const QsoSave& save);

}  // namespace kmb
