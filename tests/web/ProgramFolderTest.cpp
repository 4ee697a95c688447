#include <gtest/gtest.h>

#include "core/app/ProgramFolder.h"

using kmb::ChooseProgramFolder;
using kmb::FolderFacts;
using Names = std::vector<std::string>;

// An installed copy keeps its files in the data folder, even when its bin
// folder is writable; a portable copy beside itself, even read-only.
TEST(ProgramFolder, EachKindOfCopyKeepsItsFilesInItsFolder) {
  const std::string home = "/home/op/.local/share/ORX_KMB";
  const struct {
    FolderFacts facts;
    std::string folder;
    bool readOnly;
  } cases[] = {
      {{"/home/op/.local/bin", true, true, home, {"orx_kmb"}, {}}, home, false},
      {{"/usr/bin", true, true, "/root/.local/share/ORX_KMB", {"orx_kmb", "ls"}, {"F4ABC_KMB.log"}},
       "/root/.local/share/ORX_KMB",
       false},
      {{"/media/op/CLE/ORX_KMB", false, true, home, {"orx_kmb", "F4ABC_KMB.log", "Liste_Prenom.txt"}, {}},
       "/media/op/CLE/ORX_KMB",
       false},
      {{"/media/cdrom/ORX_KMB", false, false, home, {"orx_kmb", "F4ABC_KMB.log"}, {}}, "/media/cdrom/ORX_KMB", true},
      {{"/opt/orx_kmb/bin", true, false, "", {}, {}}, "/opt/orx_kmb/bin", true},  // no data folder known
  };
  for (const auto& c : cases) {
    const auto choice = ChooseProgramFolder(c.facts);
    EXPECT_EQ(choice.folder, c.folder);
    EXPECT_EQ(choice.readOnly, c.readOnly) << c.folder;
    EXPECT_EQ(choice.filesToCopy, Names()) << c.folder;
  }
  EXPECT_NE(kmb::ReadOnlyFolderNotice("/media/cdrom/ORX_KMB").find("/media/cdrom/ORX_KMB"), std::string::npos);
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
