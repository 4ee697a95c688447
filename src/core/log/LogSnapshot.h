#pragma once
// The log as the main list shows it. Every change acts on the very lines the
// operator saw: when the file is no longer what was listed, nothing is
// written.
#include <filesystem>

#include "core/log/FileSystem.h"
#include "core/log/LogEncoding.h"

namespace kmb {

struct LogSnapshot {
  DecodedLog text;      // lines in Windows-1252, whatever the file holds
  bool exists = false;  // an absent log lists as an empty one

  const Lines& lines() const { return text.lines; }
  // Only a log in Windows-1252 is ever written to.
  bool writable() const { return text.encoding == LogEncoding::Windows1252; }
};

struct SnapshotResult {
  LogSnapshot snapshot;
  IoStatus error;  // never set for an absent log
  Bytes bytes;     // the file as read
};

SnapshotResult ReadLogSnapshot(FileSystem& fs, const std::filesystem::path& logPath);

// True when the file still holds what was listed; an absent log and an
// empty one hold the same QSOs.
bool SameQsos(const LogSnapshot& listed, const LogSnapshot& now);

// The log's lines in Windows-1252, for the windows that only read it; an
// absent log is an error (ENOENT) here.
LinesResult ReadLogLines(FileSystem& fs, const std::filesystem::path& logPath);

}  // namespace kmb
