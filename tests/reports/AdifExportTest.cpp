#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <set>

#include "core/log/LogLine.h"
#include "core/reports/AdifExport.h"
#include "core/reports/AdifRecord.h"
#include "support/FaultyFileSystem.h"
#include "support/TempFolder.h"

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
  std::set<std::string> filesInFolder() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder.path())) names.insert(entry.path().filename().string());
    return names;
  }

  TempFolder folder;
  kmb::DiskFileSystem disk;
};

const Bytes kHeader =
    "Exportation du log de la station F4ABC_P au format ADIF\r\n\r\n"
    "Fichier produit par ORX_KMB, carnet de trafic du Diplome Kembaro\r\n\r\n\r\n<eoh>\r\n";

}  // namespace

TEST_F(AdifExportTest, WritesTheHeaderThenOneRecordPerLineInFileOrder) {
  const kmb::Lines log = {Line("F1ZZZ", "05/12/26", "14 Mhz"), Line("F1AAA", "01/01/99", "50 Mhz"),
                          Line("F1MMM", "02/02/14", "432 Mhz")};
  write("F4ABC_P_KMB.log", kmb::JoinLines(log));
  ASSERT_FALSE(kmb::ExportAdif(disk, folder.path(), "F4ABC_P").error);
  EXPECT_EQ(read("F4ABC_P_KMB.adi"), kHeader + kmb::AdifRecordOf(log[0]) + "\r\n" + kmb::AdifRecordOf(log[1]) + "\r\n" +
                                         kmb::AdifRecordOf(log[2]) + "\r\n");
  EXPECT_NE(read("F4ABC_P_KMB.adi").find("<BAND:2>6m <MODE:3>SSB <QSO_DATE:8>19990101 "), Bytes::npos);
  EXPECT_EQ(filesInFolder(), (std::set<std::string>{"F4ABC_P_KMB.log", "F4ABC_P_KMB.adi"}));
}

TEST_F(AdifExportTest, AnEmptyLogGivesTheHeaderOnly) {
  write("F4ABC_P_KMB.log", "");
  ASSERT_FALSE(kmb::ExportAdif(disk, folder.path(), "F4ABC_P").error);
  EXPECT_EQ(read("F4ABC_P_KMB.adi"), kHeader);
  EXPECT_EQ(kmb::AdifFileText("F4ABC_P", {}), kHeader);
}

TEST_F(AdifExportTest, ASecondExportReplacesTheFirst) {
  write("F4ABC_P_KMB.log", kmb::JoinLines({Line("F1AAA", "05/12/26", "14 Mhz"), Line("F1BBB", "05/12/26", "14 Mhz")}));
  ASSERT_FALSE(kmb::ExportAdif(disk, folder.path(), "F4ABC_P").error);
  const kmb::Lines shorter = {Line("F1CCC", "06/12/26", "7.0 Mhz")};
  write("F4ABC_P_KMB.log", kmb::JoinLines(shorter));
  ASSERT_FALSE(kmb::ExportAdif(disk, folder.path(), "F4ABC_P").error);
  EXPECT_EQ(read("F4ABC_P_KMB.adi"), kHeader + kmb::AdifRecordOf(shorter[0]) + "\r\n");
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
