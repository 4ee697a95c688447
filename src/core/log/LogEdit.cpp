#include "core/log/LogEdit.h"

#include <cerrno>

#include "core/log/DailyBackup.h"
#include "core/log/FirstNameList.h"
#include "core/log/LogLine.h"

namespace kmb {
namespace {

struct FirstNameFile {
  Bytes before;
  bool existed = false;
};

struct FirstNamesRead {
  FirstNameFile file;
  IoStatus error;
};

FirstNamesRead ReadFirstNameFile(FileSystem& fs, const LogEdit& edit) {
  const ReadResult list = fs.readAll(edit.folder / kFirstNameListName);
  if (list.error && list.error->errnum != ENOENT) return {{}, list.error};
  return {{list.bytes, !list.error}, std::nullopt};
}

// The other lines are written back as they were.
IoStatus LearnFirstNames(FileSystem& fs, const LogEdit& edit, const FirstNameFile& kept) {
  const Lines lines = StoreFirstNames(SplitLines(kept.before), edit.firstNameLines);
  return ReplaceOperatorFile(fs, edit.folder / kFirstNameListName, JoinLines(lines));
}

IoStatus PutFirstNamesBack(FileSystem& fs, const LogEdit& edit, const FirstNameFile& kept) {
  const auto path = edit.folder / kFirstNameListName;
  if (kept.existed) return ReplaceOperatorFile(fs, path, kept.before);
  fs.remove(path);
  return std::nullopt;
}

EditResult Failed(const IoStatus& error) {
  EditResult result;
  result.error = error;
  return result;
}

EditResult Refused(EditRefusal refusal) {
  EditResult result;
  result.refusal = refusal;
  return result;
}

}  // namespace

EditResult EditLog(FileSystem& fs, const LogSnapshot& listed, const LogEdit& edit) {
  const auto logPath = LogFilePath(edit.folder, edit.storedCall);
  SnapshotResult now = ReadLogSnapshot(fs, logPath);
  if (now.error) return Failed(now.error);
  if (!SameQsos(listed, now.snapshot)) return Refused(EditRefusal::ChangedOnDisk);
  if (!now.snapshot.writable()) return Refused(EditRefusal::NotWindows1252);
  FirstNamesRead firstNames;
  if (!edit.firstNameLines.empty()) {
    firstNames = ReadFirstNameFile(fs, edit);
    if (firstNames.error) return Failed(firstNames.error);
    // Another program's UTF-8 or UTF-16 is never mixed with Windows-1252 lines.
    if (DecodeLog(firstNames.file.before).encoding != LogEncoding::Windows1252)
      return Refused(EditRefusal::FirstNamesNotWindows1252);
  }
  EditResult result;
  if (!JoinsTo(now.snapshot.lines(), now.bytes)) result.bytesBefore = std::move(now.bytes);
  result.lines = edit.change(std::move(now.snapshot.text.lines));
  if (result.lines.size() > kMaxListedLines) return Refused(EditRefusal::TooManyLines);

  if (!edit.backupDay.empty()) result.backupError = BackupLogOfTheDay(fs, edit.folder, edit.storedCall, edit.backupDay);
  if (!edit.firstNameLines.empty()) {
    if (IoStatus error = LearnFirstNames(fs, edit, firstNames.file)) return Failed(error);
  }
  if (IoStatus error = ReplaceOperatorFile(fs, logPath, edit.exactBytes ? *edit.exactBytes : JoinLines(result.lines))) {
    EditResult failed = Failed(error);
    if (!edit.firstNameLines.empty()) failed.firstNamesError = PutFirstNamesBack(fs, edit, firstNames.file);
    return failed;
  }
  return result;
}

}  // namespace kmb
