#include "app/ProgramFolder.h"

namespace kmb {

std::filesystem::path ChooseProgramFolder(const std::filesystem::path& executableFolder,
                                          bool executableFolderWritable,
                                          const std::filesystem::path& userDataFolder) {
  // Without a known home there is nowhere better than beside the executable.
  if (executableFolderWritable || userDataFolder.empty()) return executableFolder;
  return userDataFolder;
}

}  // namespace kmb
