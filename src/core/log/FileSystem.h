#pragma once
// The one door to the disk. Windows and core code go through it so that tests
// can make any step fail (write, flush, rename) and check nothing was lost.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/log/FixedColumns.h"

namespace kmb {

struct IoError {
  enum class Step { Read, Write, Flush, Rename, Create, Check };
  Step step = Step::Read;
  std::filesystem::path path;
  int errnum = 0;  // errno value

  bool operator==(const IoError&) const = default;
};

using IoStatus = std::optional<IoError>;  // empty: done

struct ReadResult {
  Bytes bytes;
  IoStatus error;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual ReadResult readAll(const std::filesystem::path& path) = 0;
  // Creates or empties the file and writes all of `bytes`.
  virtual IoStatus writeAll(const std::filesystem::path& path, const Bytes& bytes) = 0;
  // Forces the file's content to the disk.
  virtual IoStatus flush(const std::filesystem::path& path) = 0;
  // Replaces `to` by `from` in one step, and makes the change durable.
  virtual IoStatus rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
  virtual void remove(const std::filesystem::path& path) = 0;
  virtual bool exists(const std::filesystem::path& path) = 0;
  // Fails when an existing file may not be written by this user.
  virtual IoStatus checkWritable(const std::filesystem::path& path) = 0;
  // Creates the folder unless it is there already.
  virtual IoStatus createFolder(const std::filesystem::path& path) = 0;
  // Names of the regular files of a folder, symbolic links left out so that
  // nothing read or removed through them lies outside it; none when the
  // folder cannot be read.
  virtual std::vector<std::string> fileNames(const std::filesystem::path& folder) = 0;
};

// The real disk, through POSIX calls.
class DiskFileSystem final : public FileSystem {
 public:
  ReadResult readAll(const std::filesystem::path& path) override;
  IoStatus writeAll(const std::filesystem::path& path, const Bytes& bytes) override;
  IoStatus flush(const std::filesystem::path& path) override;
  IoStatus rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
  void remove(const std::filesystem::path& path) override;
  bool exists(const std::filesystem::path& path) override;
  IoStatus checkWritable(const std::filesystem::path& path) override;
  IoStatus createFolder(const std::filesystem::path& path) override;
  std::vector<std::string> fileNames(const std::filesystem::path& folder) override;
};

// Writes `bytes` to `temp`, flushes it and renames it over `target`. The
// target is untouched until the rename, so it is always whole: the old
// content or the new. On failure the temporary file is removed.
IoStatus ReplaceFileAtomically(FileSystem& fs, const std::filesystem::path& target, const std::filesystem::path& temp,
                               const Bytes& bytes);

// French text for the operator: what failed, on which file, and why.
std::string IoErrorMessage(const IoError& error);  // UTF-8

}  // namespace kmb
