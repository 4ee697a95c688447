#pragma once
// A file system that fails one chosen step, to prove that no failure loses a
// byte of the files that were there before.
#include "core/log/FileSystem.h"

class FaultyFileSystem final : public kmb::FileSystem {
 public:
  explicit FaultyFileSystem(kmb::FileSystem& real) : real_(real) {}

  // Every later call of that step fails with `errnum` (Create stands for the
  // opening of a file for writing, Write for the writing itself).
  void failAt(kmb::IoError::Step step, int errnum) {
    failing_ = step;
    errnum_ = errnum;
    armed_ = true;
    once_ = false;
  }
  // Only the call of that step that comes after `passing` good ones fails.
  void failOnce(kmb::IoError::Step step, int errnum, int passing) {
    failAt(step, errnum);
    once_ = true;
    passing_ = passing;
  }
  void heal() { armed_ = false; }

  kmb::ReadResult readAll(const std::filesystem::path& path) override {
    if (fails(kmb::IoError::Step::Read)) return {{}, kmb::IoError{kmb::IoError::Step::Read, path, errnum_}};
    return real_.readAll(path);
  }
  kmb::IoStatus writeAll(const std::filesystem::path& path, const kmb::Bytes& bytes) override {
    if (fails(kmb::IoError::Step::Create)) return kmb::IoError{kmb::IoError::Step::Create, path, errnum_};
    if (fails(kmb::IoError::Step::Write)) {
      // A failed write may leave a partial file behind, as a full disk does.
      (void)real_.writeAll(path, bytes.substr(0, bytes.size() / 2));
      return kmb::IoError{kmb::IoError::Step::Write, path, errnum_};
    }
    return real_.writeAll(path, bytes);
  }
  kmb::IoStatus flush(const std::filesystem::path& path) override {
    if (fails(kmb::IoError::Step::Flush)) return kmb::IoError{kmb::IoError::Step::Flush, path, errnum_};
    return real_.flush(path);
  }
  kmb::IoStatus rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
    if (fails(kmb::IoError::Step::Rename)) return kmb::IoError{kmb::IoError::Step::Rename, to, errnum_};
    return real_.rename(from, to);
  }
  void remove(const std::filesystem::path& path) override { real_.remove(path); }
  bool exists(const std::filesystem::path& path) override { return real_.exists(path); }
  kmb::IoStatus checkWritable(const std::filesystem::path& path) override {
    if (fails(kmb::IoError::Step::Check)) return kmb::IoError{kmb::IoError::Step::Check, path, errnum_};
    return real_.checkWritable(path);
  }
  kmb::IoStatus createFolder(const std::filesystem::path& path) override {
    if (fails(kmb::IoError::Step::Create)) return kmb::IoError{kmb::IoError::Step::Create, path, errnum_};
    return real_.createFolder(path);
  }
  std::vector<std::string> fileNames(const std::filesystem::path& folder) override { return real_.fileNames(folder); }

 private:
  bool fails(kmb::IoError::Step step) {
    if (!armed_ || failing_ != step) return false;
    if (!once_) return true;
    if (passing_-- > 0) return false;
    armed_ = false;
    return true;
  }

  kmb::FileSystem& real_;
  kmb::IoError::Step failing_ = kmb::IoError::Step::Read;
  int errnum_ = 0;
  bool armed_ = false;
  bool once_ = false;
  int passing_ = 0;
};
