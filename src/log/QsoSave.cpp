#include "log/QsoSave.h"

#include <cerrno>

#include "log/FirstNameList.h"
#include "log/LogRewrite.h"

namespace kmb {

LinesResult SaveQso(FileSystem& fs, const QsoSave& save) {
  const auto listPath = save.folder / kFirstNameListName;
  const auto listTemp = save.folder / "Temporaire.txt";
  const ReadResult oldList = fs.readAll(listPath);
  const bool listExisted = !oldList.error;
  if (oldList.error && oldList.error->errnum != ENOENT) return {{}, oldList.error};

  const Lines newList = StoreFirstName(SplitLines(oldList.bytes), save.firstNameLine);
  if (IoStatus error = ReplaceFileAtomically(fs, listPath, listTemp, JoinLines(newList))) return {{}, error};

  LinesResult log = RewriteLogFile(fs, save.logPath, save.logTempName, save.change);
  if (log.error) {
    if (listExisted)
      (void)ReplaceFileAtomically(fs, listPath, listTemp, oldList.bytes);
    else
      fs.remove(listPath);
  }
  return log;
}

}  // namespace kmb
