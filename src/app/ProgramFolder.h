#pragma once
// Where the operator's files live (logs, first-name list, temporary files,
// exports, saved lists).
#include <filesystem>

namespace kmb {

// A copy unpacked in a folder of its own keeps its files beside the
// executable; an installed program, whose folder the operator cannot write
// to, keeps them in the operator's own data folder (unless none is known).
std::filesystem::path ChooseProgramFolder(const std::filesystem::path& executableFolder,
                                          bool executableFolderWritable,
                                          const std::filesystem::path& userDataFolder);

}  // namespace kmb
