#pragma once
// A file system that fails one chosen step, to prove that no failure loses a
// byte of the files that were there before.
#include <functional>

#include "core/log/FileSystem.h"

class FaultyFileSystem final : public kmb::FileSystem {
  using Path = std::filesystem::path;
  using Step = kmb::IoError::Step;

 public:
  explicit FaultyFileSystem(kmb::FileSystem& real) : real_(real) {}

  // Every later call of that step fails with `errnum` (Create stands for the
  // opening of a file for writing, Write for the writing itself); with
  // `passing`, only the call that comes after that many good ones fails.
  void failAt(Step step, int errnum, int passing = -1) {
    failing_ = step;
    errnum_ = errnum;
    passing_ = passing;
    armed_ = true;
    keepFailing_ = false;
  }
  // As failAt, but every call of the step after the good ones fails.
  void failFrom(Step step, int errnum, int passing) {
    failAt(step, errnum, passing);
    keepFailing_ = true;
  }
  void heal() { armed_ = false; }

  // Runs before each read, on the reading thread: a test holds a reading there.
  std::function<void()> beforeRead;

  kmb::ReadResult readAll(const Path& p) override {
    if (beforeRead) beforeRead();
    return fails(Step::Read) ? kmb::ReadResult{{}, Fail(Step::Read, p)} : real_.readAll(p);
  }
  kmb::IoStatus writeAll(const Path& p, const kmb::Bytes& bytes) override {
    if (fails(Step::Create)) return Fail(Step::Create, p);
    if (!fails(Step::Write)) return real_.writeAll(p, bytes);
    (void)real_.writeAll(p, bytes.substr(0, bytes.size() / 2));  // a failed write may leave a partial file behind
    return Fail(Step::Write, p);
  }
  kmb::IoStatus flush(const Path& p) override { return fails(Step::Flush) ? Fail(Step::Flush, p) : real_.flush(p); }
  kmb::IoStatus rename(const Path& from, const Path& to) override {
    return fails(Step::Rename) ? Fail(Step::Rename, to) : real_.rename(from, to);
  }
  void remove(const Path& p) override { real_.remove(p); }
  bool exists(const Path& p) override { return real_.exists(p); }
  kmb::IoStatus checkWritable(const Path& p) override {
    return fails(Step::Check) ? Fail(Step::Check, p) : real_.checkWritable(p);
  }
  kmb::IoStatus createFolder(const Path& p) override {
    return fails(Step::Create) ? Fail(Step::Create, p) : real_.createFolder(p);
  }
  std::vector<std::string> fileNames(const Path& folder) override { return real_.fileNames(folder); }
  bool isRegularFile(const Path& p) override { return real_.isRegularFile(p); }
  Path resolveLink(const Path& p) override { return real_.resolveLink(p); }
  kmb::LockResult lockFolder(const Path& folder) override { return real_.lockFolder(folder); }

 private:
  bool fails(Step step) {
    if (!armed_ || failing_ != step) return false;
    if (passing_ < 0) return true;
    if (passing_-- > 0) return false;
    armed_ = keepFailing_;
    return true;
  }
  kmb::IoStatus Fail(Step step, const Path& p) const { return kmb::IoError{step, p, errnum_}; }

  kmb::FileSystem& real_;
  Step failing_ = Step::Read;
  int errnum_ = 0;
  int passing_ = -1;
  bool armed_ = false;
  bool keepFailing_ = false;
};
