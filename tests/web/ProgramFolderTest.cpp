#include <gtest/gtest.h>

#include "core/app/ProgramFolder.h"

using kmb::ChooseProgramFolder;
using kmb::FolderFacts;
using Names = std::vector<std::string>;

TEST(ProgramFolder, InstalledUnderAPerUserPrefixUsesTheDataFolderThoughItsBinFolderIsWritable) {
  const FolderFacts facts{"/home/op/.local/bin", true, true, "/home/op/.local/share/ORX_KMB", {"orx_kmb"}, {}};
  const auto choice = ChooseProgramFolder(facts);
  EXPECT_EQ(choice.folder, "/home/op/.local/share/ORX_KMB");
  EXPECT_FALSE(choice.readOnly);
  EXPECT_EQ(choice.filesToCopy, Names());
}

TEST(ProgramFolder, InstalledSystemWideAndRunByRootUsesRootsDataFolder) {
  const FolderFacts facts{"/usr/bin", true, true, "/root/.local/share/ORX_KMB", {"orx_kmb", "ls"}, {"F4ABC_KMB.log"}};
  const auto choice = ChooseProgramFolder(facts);
  EXPECT_EQ(choice.folder, "/root/.local/share/ORX_KMB");
  EXPECT_FALSE(choice.readOnly);
  EXPECT_EQ(choice.filesToCopy, Names());
}

TEST(ProgramFolder, PortableWritableCopyKeepsItsFilesBesideTheExecutable) {
  const FolderFacts facts{"/media/op/CLE/ORX_KMB",
                          false,
                          true,
                          "/home/op/.local/share/ORX_KMB",
                          {"orx_kmb", "F4ABC_KMB.log", "Liste_Prenom.txt"},
                          {}};
  const auto choice = ChooseProgramFolder(facts);
  EXPECT_EQ(choice.folder, "/media/op/CLE/ORX_KMB");
  EXPECT_FALSE(choice.readOnly);
  EXPECT_EQ(choice.filesToCopy, Names());
}

TEST(ProgramFolder, PortableReadOnlyCopyReadsItsLogsWhereTheyAreAndSaysSo) {
  const FolderFacts facts{"/media/cdrom/ORX_KMB",       false, false, "/home/op/.local/share/ORX_KMB",
                          {"orx_kmb", "F4ABC_KMB.log"}, {}};
  const auto choice = ChooseProgramFolder(facts);
  EXPECT_EQ(choice.folder, "/media/cdrom/ORX_KMB");
  EXPECT_TRUE(choice.readOnly);
  EXPECT_EQ(choice.filesToCopy, Names());
  EXPECT_NE(kmb::ReadOnlyFolderNotice(choice.folder).find("/media/cdrom/ORX_KMB"), std::string::npos);
}

TEST(ProgramFolder, OldLogsBesideAnInstalledExecutableAreCopiedOnlyIntoAnEmptyDataFolder) {
  FolderFacts facts{"/home/op/.local/bin",
                    true,
                    true,
                    "/home/op/.local/share/ORX_KMB",
                    {"orx_kmb", "F4ABC_KMB.log", "F4ABC_KMB.adi", "Liste_Prenom.txt", "Temporaire.txt", "_KMB.log",
                     "F4ABC_P_KMB.log", "F4ABC_KMB.log.old"},
                    {"notes.txt"}};
  EXPECT_EQ(ChooseProgramFolder(facts).filesToCopy, Names({"F4ABC_KMB.log", "F4ABC_P_KMB.log", "Liste_Prenom.txt"}));
  facts.userDataFiles = {"Liste_Prenom.txt"};
  EXPECT_EQ(ChooseProgramFolder(facts).filesToCopy, Names());
}

TEST(ProgramFolder, WithoutADataFolderTheExecutablesFolderRemains) {
  const FolderFacts facts{"/opt/orx_kmb/bin", true, false, "", {}, {}};
  const auto choice = ChooseProgramFolder(facts);
  EXPECT_EQ(choice.folder, "/opt/orx_kmb/bin");
  EXPECT_TRUE(choice.readOnly);
}
