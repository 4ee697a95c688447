#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <set>

#include "core/log/LogLine.h"
#include "core/reports/AdifExport.h"
#include "support/FaultyFileSystem.h"
#include "support/TempFolder.h"
#include "support/TestData.h"

namespace fs = std::filesystem;

namespace {

using kmb::Bytes;

Bytes Line(const char* call, const char* date, const char* band) {
  return kmb::FormatLogLine({call, "89", "", "89001", date, "09:07", "SSB", band, "59", "57", "", false});
}

class AdifExportTest : public ::testing::Test {
 protected:
  void write(const std::string& name, const Bytes& bytes) { ASSERT_FALSE(disk.writeAll(folder.path() / name, bytes)); }
  Bytes read(const std::string& name) { return disk.readAll(folder.path() / name).bytes; }
  Bytes exported() {
    EXPECT_FALSE(kmb::ExportAdif(disk, folder.path(), "F4ABC_P").error);
    return read("F4ABC_P_KMB.adi");
  }
  std::set<std::string> filesInFolder() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder.path())) names.insert(entry.path().filename().string());
    return names;
  }

  TempFolder folder;
  kmb::DiskFileSystem disk;
};

}  // namespace

// Each export replaces the earlier file whole; an empty log gives the header only.
TEST_F(AdifExportTest, WritesTheHeaderThenOneRecordPerLineInFileOrder) {
  write("F4ABC_P_KMB.log", kmb::JoinLines({Line("F1ZZZ", "05/12/26", "14 Mhz"), Line("F1AAA", "01/01/99", "50 Mhz"),
                                           Line("F1MMM", "02/02/14", "432 Mhz")}));
  write("F4ABC_P_KMB.adi", Bytes(2000, 'x'));
  const Bytes expected = TestData("F4ABC_P_KMB.adi");
  EXPECT_EQ(exported(), expected);
  EXPECT_EQ(filesInFolder(), (std::set<std::string>{"F4ABC_P_KMB.log", "F4ABC_P_KMB.adi"}));
  write("F4ABC_P_KMB.log", "");
  EXPECT_EQ(exported(), expected.substr(0, expected.find("<eoh>\r\n") + 7));
}

TEST_F(AdifExportTest, AnAbsentLogIsReportedAndWritesNothing) {
  const kmb::IoStatus error = kmb::ExportAdif(disk, folder.path(), "F4ABC_P").error;
  ASSERT_TRUE(error);
  EXPECT_EQ(error->step, kmb::IoError::Step::Read);
  EXPECT_EQ(error->path, folder.path() / "F4ABC_P_KMB.log");
  EXPECT_EQ(error->errnum, ENOENT);
  EXPECT_TRUE(filesInFolder().empty());
}

TEST_F(AdifExportTest, AFailedWriteKeepsThePreviousExportWholeAndLeavesNoTemporaryFile) {
  write("F4ABC_P_KMB.log", kmb::JoinLines({Line("F1AAA", "05/12/26", "14 Mhz")}));
  write("F4ABC_P_KMB.adi", "ancien export\r\n");
  for (const auto step : {kmb::IoError::Step::Create, kmb::IoError::Step::Write, kmb::IoError::Step::Flush,
                          kmb::IoError::Step::Rename, kmb::IoError::Step::Check, kmb::IoError::Step::Read}) {
    FaultyFileSystem faulty(disk);
    faulty.failAt(step, ENOSPC);
    const kmb::IoStatus error = kmb::ExportAdif(faulty, folder.path(), "F4ABC_P").error;
    ASSERT_TRUE(error) << static_cast<int>(step);
    EXPECT_EQ(error->errnum, ENOSPC);
    EXPECT_EQ(read("F4ABC_P_KMB.adi"), "ancien export\r\n");
    EXPECT_EQ(filesInFolder(), (std::set<std::string>{"F4ABC_P_KMB.log", "F4ABC_P_KMB.adi"}));
  }
}
