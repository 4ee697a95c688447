#pragma once
// Where the operator's files live (logs, first-name list, temporary files,
// exports, saved lists).
#include <filesystem>
#include <string>
#include <vector>

#include "core/log/FileSystem.h"

namespace kmb {

// What start-up finds out before choosing.
struct FolderFacts {
  std::filesystem::path executableFolder;
  // The install step's marker lies beside the executable.
  bool installed = false;
  bool executableFolderWritable = false;
  // $XDG_DATA_HOME/ORX_KMB; empty when no home is known.
  std::filesystem::path userDataFolder;
  // Names of the regular files in each folder.
  std::vector<std::string> executableFolderFiles;
  std::vector<std::string> userDataFiles;
};

struct FolderChoice {
  std::filesystem::path folder;
  // A portable copy whose folder cannot be written: its logs are read where
  // they are, and the operator is told once that nothing can be saved.
  bool readOnly = false;
  // Logs and first-name list that an older start left beside the installed
  // executable, to copy into `folder` (the originals stay).
  std::vector<std::string> filesToCopy;
};

// An installed copy (whatever its prefix, whoever runs it) keeps the files in
// the operator's data folder; a copy alone in a folder of its own keeps them
// beside the executable, even when that folder cannot be written.
FolderChoice ChooseProgramFolder(const FolderFacts& facts);

// Copies `choice.filesToCopy` from `from` into `choice.folder` and returns
// what to tell the operator (UTF-8), empty when there was nothing to copy.
std::string CopyOldFiles(FileSystem& fs, const std::filesystem::path& from, const FolderChoice& choice);

// What a read-only portable copy says at start-up (UTF-8).
std::string ReadOnlyFolderNotice(const std::filesystem::path& folder);

}  // namespace kmb
