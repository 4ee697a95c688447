#include <gtest/gtest.h>

#include "app/ProgramFolder.h"

namespace {
const std::filesystem::path kExecutableFolder = "/opt/orx_kmb/bin";
const std::filesystem::path kUserFolder = "/home/op/.local/share/ORX_KMB";
}  // namespace

TEST(ProgramFolder, PortableCopyKeepsItsFilesBesideTheExecutable) {
  EXPECT_EQ(kmb::ChooseProgramFolder(kExecutableFolder, true, kUserFolder), kExecutableFolder);
}

TEST(ProgramFolder, InstalledProgramUsesTheOperatorsDataFolder) {
  EXPECT_EQ(kmb::ChooseProgramFolder(kExecutableFolder, false, kUserFolder), kUserFolder);
}

TEST(ProgramFolder, WithoutADataFolderTheExecutablesFolderRemains) {
  EXPECT_EQ(kmb::ChooseProgramFolder(kExecutableFolder, false, {}), kExecutableFolder);
}
