#pragma once
// The one door to the disk. Windows and core code go through it so that tests
// can make any step fail (write, flush, rename) and check nothing was lost.
#include <filesystem>
#include <memory>
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

// Held while a copy of the program works on a folder; let go when destroyed
// or when that copy ends, however it ends.
class FolderLock {
 public:
  virtual ~FolderLock() = default;
};

struct LockResult {
  std::unique_ptr<FolderLock> lock;
  IoStatus error;  // EWOULDBLOCK: another copy holds it
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual ReadResult readAll(const std::filesystem::path& path) = 0;
  // Creates a new file and writes all of `bytes`; fails (EEXIST) when
  // anything, a link too, already stands at `path`, so a planted link never
  // sends the bytes elsewhere.
  virtual IoStatus writeAll(const std::filesystem::path& path, const Bytes& bytes) = 0;
  // Forces the file's content to the disk.
  virtual IoStatus flush(const std::filesystem::path& path) = 0;
  // Replaces `to` by `from` in one step, and makes the change durable.
  virtual IoStatus rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
  virtual void remove(const std::filesystem::path& path) = 0;
  virtual bool exists(const std::filesystem::path& path) = 0;
  // Fails when an existing file may not be written by this user.
  virtual IoStatus checkWritable(const std::filesystem::path& path) = 0;
  // Creates the folder, and the folders above it, unless it is there already.
  virtual IoStatus createFolder(const std::filesystem::path& path) = 0;
  // Names of the regular files of a folder, symbolic links left out so that
  // nothing read or removed through them lies outside it; none when the
  // folder cannot be read.
  virtual std::vector<std::string> fileNames(const std::filesystem::path& folder) = 0;
  // A regular file itself, not a link to one.
  virtual bool isRegularFile(const std::filesystem::path& path) = 0;
  // Where a symbolic link finally leads; any other path as it is.
  virtual std::filesystem::path resolveLink(const std::filesystem::path& path) = 0;
  // The folder for this copy of the program alone.
  virtual LockResult lockFolder(const std::filesystem::path& folder) = 0;
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
  bool isRegularFile(const std::filesystem::path& path) override;
  std::filesystem::path resolveLink(const std::filesystem::path& path) override;
  LockResult lockFolder(const std::filesystem::path& folder) override;
};

// Writes `bytes` to a new temporary file beside `target`, flushes it and
// renames it over `target`. The target is untouched until the rename, so it
// is always whole: the old content or the new. On failure the temporary file
// is removed. A link at `target` is replaced, never followed.
IoStatus ReplaceFileAtomically(FileSystem& fs, const std::filesystem::path& target, const Bytes& bytes);

// The same for a file of the operator's (the log, the first-name list): when
// it is a link the operator made, the file it leads to is replaced, in its
// own folder, and the link stays.
IoStatus ReplaceOperatorFile(FileSystem& fs, const std::filesystem::path& target, const Bytes& bytes);

// "Temporaire-<16 hex digits>.tmp", and the fixed names older versions used.
bool IsTemporaryFileName(std::string_view name);

// Which names are this program's temporary files: in its own folder, the
// fixed names of older versions too; in a folder a link leads to, where
// other programs keep their files, only the names no other program makes.
enum class TemporaryNames { WithOlderOnes, OwnOnly };

// Removes the temporary files a crash left in `folder`: regular files of
// that naming only.
void RemoveLeftoverTemporaryFiles(FileSystem& fs, const std::filesystem::path& folder,
                                  TemporaryNames names = TemporaryNames::WithOlderOnes);

// French text for the operator: what failed, on which file, and why.
std::string IoErrorMessage(const IoError& error);  // UTF-8

}  // namespace kmb
