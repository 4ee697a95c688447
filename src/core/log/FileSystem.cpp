#include "core/log/FileSystem.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <utility>

#include "core/log/Descriptor.h"

namespace kmb {
namespace fs = std::filesystem;
namespace {

IoError Fail(IoError::Step step, const fs::path& path, int errnum = errno) { return IoError{step, path, errnum}; }

IoStatus FlushFolder(const fs::path& file) {
  const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
  Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.get() < 0 || ::fsync(fd.get()) != 0) return Fail(IoError::Step::Flush, folder);
  return std::nullopt;
}

}  // namespace

ReadResult DiskFileSystem::readAll(const fs::path& path) {
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) return {{}, Fail(IoError::Step::Read, path)};
  // Room for the whole file at once: a long log is not copied again as it grows.
  Bytes bytes;
  struct stat facts {};
  if (::fstat(fd.get(), &facts) == 0 && facts.st_size > 0) bytes.reserve(static_cast<std::size_t>(facts.st_size));
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      return {{}, Fail(IoError::Step::Read, path)};
    }
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  return {std::move(bytes), std::nullopt};
}

IoStatus DiskFileSystem::writeAll(const fs::path& path, const Bytes& bytes) {
  Descriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
  if (fd.get() < 0) return Fail(IoError::Step::Create, path);
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd.get(), bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return Fail(IoError::Step::Write, path);
    }
    done += static_cast<std::size_t>(n);
  }
  if (::close(fd.release()) != 0) return Fail(IoError::Step::Write, path);
  return std::nullopt;
}

IoStatus DiskFileSystem::flush(const fs::path& path) {
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0 || ::fsync(fd.get()) != 0) return Fail(IoError::Step::Flush, path);
  return std::nullopt;
}

IoStatus DiskFileSystem::rename(const fs::path& from, const fs::path& to) {
  if (::rename(from.c_str(), to.c_str()) != 0) return Fail(IoError::Step::Rename, to);
  return FlushFolder(to);
}

void DiskFileSystem::remove(const fs::path& path) { ::unlink(path.c_str()); }

bool DiskFileSystem::exists(const fs::path& path) {
  std::error_code ec;
  return fs::exists(path, ec);
}

IoStatus DiskFileSystem::checkWritable(const fs::path& path) {
  if (::access(path.c_str(), F_OK) != 0) return std::nullopt;
  if (::access(path.c_str(), W_OK) != 0) return Fail(IoError::Step::Check, path);
  return std::nullopt;
}

IoStatus DiskFileSystem::createFolder(const fs::path& path) {
  std::error_code ec;
  fs::create_directories(path, ec);
  if (ec) return IoError{IoError::Step::Create, path, ec.value()};
  return std::nullopt;
}

std::vector<std::string> DiskFileSystem::fileNames(const fs::path& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    if (it->symlink_status(ec).type() == fs::file_type::regular) names.push_back(it->path().filename().string());
  return names;
}

bool DiskFileSystem::isRegularFile(const fs::path& path) {
  std::error_code ec;
  return fs::symlink_status(path, ec).type() == fs::file_type::regular;
}

fs::path DiskFileSystem::resolveLink(const fs::path& path) {
  std::error_code ec;
  if (!fs::is_symlink(path, ec)) return path;
  const fs::path target = fs::weakly_canonical(path, ec);
  return ec ? path : target;
}

namespace {

class DiskFolderLock final : public FolderLock {
 public:
  explicit DiskFolderLock(int fd) : fd_(fd) {}

 private:
  Descriptor fd_;
};

constexpr std::string_view kLockFileName = "ORX_KMB.verrou";
constexpr std::string_view kTempPrefix = "Temporaire-";
constexpr std::string_view kTempEnding = ".tmp";
constexpr std::size_t kTempDigits = 16;

std::string NewTemporaryName() {
  std::random_device random;
  const std::uint64_t value = (std::uint64_t{random()} << 32) | random();
  static constexpr char kHex[] = "0123456789abcdef";
  std::string name(kTempPrefix);
  for (std::size_t i = 0; i < kTempDigits; ++i) name += kHex[(value >> (4 * i)) & 0xF];
  return name + std::string(kTempEnding);
}

bool IsHexDigits(std::string_view text) { return text.find_first_not_of("0123456789abcdef") == std::string_view::npos; }

}  // namespace

// flock, not fcntl: a lock of an open file, so a second window of the same
// run is refused too, and the lock goes with a crashed run.
LockResult DiskFileSystem::lockFolder(const fs::path& folder) {
  const fs::path path = folder / kLockFileName;
  Descriptor fd(::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644));
  if (fd.get() < 0) return {nullptr, Fail(IoError::Step::Create, path)};
  if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) return {nullptr, Fail(IoError::Step::Check, path)};
  return {std::make_unique<DiskFolderLock>(fd.release()), std::nullopt};
}

namespace {

// A failure on the temporary file is the target's to the operator, who never sees the temporary name.
IoStatus OnTarget(IoStatus error, const fs::path& target) {
  if (error) error->path = target;
  return error;
}

}  // namespace

IoStatus ReplaceFileAtomically(FileSystem& fs, const fs::path& target, const Bytes& bytes) {
  if (IoStatus error = fs.checkWritable(target)) return error;
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  // A name another run or a planted file already holds is never opened.
  constexpr int kTries = 8;
  fs::path temp;
  IoStatus error;
  for (int i = 0; i < kTries; ++i) {
    temp = folder / NewTemporaryName();
    error = fs.writeAll(temp, bytes);
    if (!error || error->errnum != EEXIST) break;
  }
  if (error) {
    if (error->errnum != EEXIST) fs.remove(temp);
    return OnTarget(error, target);
  }
  error = fs.flush(temp);
  if (!error) error = fs.rename(temp, target);
  if (error) fs.remove(temp);
  return OnTarget(error, target);
}

// The operator knows the file by the link's name.
IoStatus ReplaceOperatorFile(FileSystem& fs, const fs::path& target, const Bytes& bytes) {
  return OnTarget(ReplaceFileAtomically(fs, fs.resolveLink(target), bytes), target);
}

namespace {

bool IsOwnTemporaryFileName(std::string_view name) {
  if (name.size() != kTempPrefix.size() + kTempDigits + kTempEnding.size()) return false;
  return name.starts_with(kTempPrefix) && name.ends_with(kTempEnding) &&
         IsHexDigits(name.substr(kTempPrefix.size(), kTempDigits));
}

}  // namespace

bool IsTemporaryFileName(std::string_view name) {
  return name == "Temporaire.txt" || name == "Temporaire6.txt" || IsOwnTemporaryFileName(name);
}

void RemoveLeftoverTemporaryFiles(FileSystem& fs, const fs::path& folder, TemporaryNames names) {
  for (const std::string& name : fs.fileNames(folder))
    if (names == TemporaryNames::OwnOnly ? IsOwnTemporaryFileName(name) : IsTemporaryFileName(name))
      fs.remove(folder / name);
}

namespace {

std::string CauseText(int errnum) {
  switch (errnum) {
    case EACCES:
    case EPERM: return "accès refusé (droits insuffisants ou fichier protégé en écriture)";
    case EROFS: return "le disque est en lecture seule";
    case ENOSPC: return "le disque est plein";
    case EDQUOT: return "le quota du disque est atteint";
    case ENOENT: return "fichier ou dossier introuvable";
    case EIO: return "erreur d'entrée-sortie du disque";
    case EISDIR: return "c'est un dossier, pas un fichier";
    case EBUSY:
    case ETXTBSY: return "le fichier est occupé";
    case EMFILE:
    case ENFILE: return "trop de fichiers ouverts";
    case ENAMETOOLONG: return "nom de fichier trop long";
    case EEXIST: return "un fichier ou un lien porte déjà ce nom";
    case ENOTDIR: return "un élément du chemin n'est pas un dossier";
    case ELOOP: return "trop de liens symboliques, ou un lien à la place du fichier";
    case EMLINK: return "trop de liens vers ce fichier";
    case EFBIG: return "le fichier est trop gros";
    case EWOULDBLOCK: return "le fichier est déjà utilisé par une autre fenêtre d'ORX_KMB";
    default: return "erreur système n° " + std::to_string(errnum);
  }
}

std::string StepText(IoError::Step step) {
  switch (step) {
    case IoError::Step::Read: return "Impossible de lire le fichier";
    case IoError::Step::Write: return "Impossible d'écrire le fichier";
    case IoError::Step::Flush: return "Impossible d'enregistrer sur le disque le fichier";
    case IoError::Step::Rename: return "Impossible de remplacer le fichier";
    case IoError::Step::Create: return "Impossible de créer le fichier";
    case IoError::Step::Check: return "Impossible de modifier le fichier";
  }
  return "Erreur sur le fichier";
}

}  // namespace

std::string IoErrorMessage(const IoError& error) {
  // Every write replaces a file whole or leaves it as it was.
  const bool leftAsItWas = error.step == IoError::Step::Write || error.step == IoError::Step::Flush ||
                           error.step == IoError::Step::Rename || error.step == IoError::Step::Check;
  return StepText(error.step) + " " + error.path.string() + " : " + CauseText(error.errnum) + "." +
         (leftAsItWas ? " Le fichier n'a pas été modifié." : "");
}

}  // namespace kmb
