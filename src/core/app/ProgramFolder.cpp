#include "core/app/ProgramFolder.h"

#include <algorithm>

#include "core/log/FirstNameList.h"
#include "core/log/LogFile.h"

namespace kmb {

namespace {

bool IsOperatorFile(const std::string& name) {
  if (name == kFirstNameListName) return true;
  return name.size() > kLogFileEnding.size() && name.ends_with(kLogFileEnding);
}

std::vector<std::string> OperatorFiles(const std::vector<std::string>& names) {
  std::vector<std::string> found;
  std::copy_if(names.begin(), names.end(), std::back_inserter(found), IsOperatorFile);
  std::sort(found.begin(), found.end());
  return found;
}

}  // namespace

FolderChoice ChooseProgramFolder(const FolderFacts& facts) {
  FolderChoice choice;
  // Without a known home there is nowhere better than beside the executable.
  if (!facts.installed || facts.userDataFolder.empty()) {
    choice.folder = facts.executableFolder;
    choice.readOnly = !facts.executableFolderWritable;
    return choice;
  }
  choice.folder = facts.userDataFolder;
  // Older starts took any writable executable folder for a portable copy and
  // left the logs there; they are brought over once, before any log exists.
  if (OperatorFiles(facts.userDataFiles).empty()) choice.filesToCopy = OperatorFiles(facts.executableFolderFiles);
  return choice;
}

std::string CopyOldFiles(FileSystem& fs, const std::filesystem::path& from, const FolderChoice& choice) {
  if (choice.filesToCopy.empty()) return {};
  std::string copied;
  std::string failed;
  for (const std::string& name : choice.filesToCopy) {
    ReadResult read = fs.readAll(from / name);
    IoStatus error = read.error;
    if (!error) error = ReplaceFileAtomically(fs, choice.folder / name, read.bytes);
    if (error)
      failed += "\r\n" + IoErrorMessage(*error);
    else
      copied += "\r\n    " + name;
  }
  std::string text;
  if (!copied.empty())
    text =
        "Des fichiers laissés à côté du programme par une version précédente ont été copiés dans le "
        "dossier des fichiers d'ORX_KMB :" +
        copied + "\r\n\r\nDepuis : " + from.string() + "\r\nVers : " + choice.folder.string() +
        "\r\n\r\nORX_KMB utilise désormais ces copies ; les originaux restent à leur place.";
  if (!failed.empty()) {
    if (!text.empty()) text += "\r\n\r\n";
    text += "Ces fichiers n'ont pas pu être copiés dans " + choice.folder.string() + " :" + failed +
            "\r\n\r\nLes originaux restent dans " + from.string() + ".";
  }
  return text;
}

std::string ReadOnlyFolderNotice(const std::filesystem::path& folder) {
  return "Le dossier du programme, " + folder.string() +
         ", est en lecture seule : les logs y sont lus, mais rien ne peut y être enregistré "
         "(QSO, liste des prénoms, exports).\r\n\r\nPour saisir des QSO, copiez ce dossier sur un support "
         "où vous pouvez écrire.";
}

}  // namespace kmb
