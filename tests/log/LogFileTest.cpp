#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>

#include "core/log/LogFile.h"
#include "support/FaultyFileSystem.h"
#include "support/TempFolder.h"

using namespace kmb;
namespace fs = std::filesystem;

namespace {

Bytes Slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(LogFilePath, JoinsFolderStoredCallAndSuffix) {
  EXPECT_EQ(LogFilePath("/data", "F4ABC_P"), fs::path("/data/F4ABC_P_KMB.log"));
}

TEST(SplitLines, HandlesEveryLineEnd) {
  EXPECT_TRUE(SplitLines("").empty());
  EXPECT_EQ(SplitLines("a\r\nb\r\n"), (Lines{"a", "b"}));
  EXPECT_EQ(SplitLines("a\nb"), (Lines{"a", "b"}));
  EXPECT_EQ(SplitLines("a\r\n\r\nb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(JoinLines({"a", "b"}), "a\r\nb\r\n");
  EXPECT_EQ(JoinLines({}), "");
}

TEST(CreateLogFile, MakesAnEmptyFileAndNeverEmptiesAnExistingOne) {
  TempFolder dir;
  DiskFileSystem disk;
  EXPECT_FALSE(CreateLogFile(disk, dir.path(), "F4ABC"));
  EXPECT_EQ(fs::file_size(dir.path() / "F4ABC_KMB.log"), 0u);
  std::ofstream(dir.path() / "F4ABC_KMB.log") << "QSO\r\n";
  const IoStatus again = CreateLogFile(disk, dir.path(), "F4ABC");
  ASSERT_TRUE(again);
  EXPECT_EQ(Slurp(dir.path() / "F4ABC_KMB.log"), "QSO\r\n");
}

TEST(ReplaceFileAtomically, WritesWholeContentAndRemovesTemporary) {
  TempFolder dir;
  DiskFileSystem disk;
  const fs::path log = dir.path() / "F_KMB.log";
  std::ofstream(log) << "old\r\n";
  EXPECT_FALSE(ReplaceFileAtomically(disk, log, dir.path() / "Temporaire.txt", "new\r\n"));
  EXPECT_EQ(Slurp(log), "new\r\n");
  EXPECT_FALSE(fs::exists(dir.path() / "Temporaire.txt"));
}

TEST(ReplaceFileAtomically, EachFailingStepLeavesTargetAsItWas) {
  using Step = IoError::Step;
  for (const Step step : {Step::Write, Step::Flush, Step::Rename, Step::Create}) {
    TempFolder dir;
    DiskFileSystem disk;
    FaultyFileSystem faulty(disk);
    faulty.failAt(step, ENOSPC);
    const fs::path log = dir.path() / "F_KMB.log";
    std::ofstream(log) << "old\r\n";
    const IoStatus error = ReplaceFileAtomically(faulty, log, dir.path() / "Temporaire.txt", "new\r\n");
    ASSERT_TRUE(error) << static_cast<int>(step);
    EXPECT_EQ(error->errnum, ENOSPC);
    EXPECT_EQ(Slurp(log), "old\r\n");
    EXPECT_FALSE(fs::exists(dir.path() / "Temporaire.txt"));
    EXPECT_NE(IoErrorMessage(*error).find("disque est plein"), std::string::npos);
  }
}

TEST(ReplaceFileAtomically, RefusesAReadOnlyTargetAndAReadOnlyFolder) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write anywhere";
  TempFolder dir;
  DiskFileSystem disk;
  const fs::path log = dir.path() / "F_KMB.log";
  std::ofstream(log) << "old\r\n";
  ::chmod(log.c_str(), 0444);
  EXPECT_TRUE(ReplaceFileAtomically(disk, log, dir.path() / "T.txt", "new\r\n"));
  EXPECT_EQ(Slurp(log), "old\r\n");
  ::chmod(log.c_str(), 0644);
  ::chmod(dir.path().c_str(), 0555);
  EXPECT_TRUE(ReplaceFileAtomically(disk, log, dir.path() / "T.txt", "new\r\n"));
  EXPECT_EQ(Slurp(log), "old\r\n");
}
