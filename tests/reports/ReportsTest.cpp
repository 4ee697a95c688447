#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "core/log/LogLine.h"
#include "core/reports/AdifExport.h"
#include "core/reports/AdifRecord.h"
#include "core/reports/QslCard.h"
#include "core/reports/QslList.h"
#include "support/FaultyFileSystem.h"
#include "support/TempFolder.h"

using kmb::Bytes;
namespace fs = std::filesystem;

namespace {

kmb::QsoRecord Paul() {
  return {"FXXXX", "89", "PAUL", "89001", "05/12/26", "09:07", "SSB", "14 Mhz", "59", "57", "", true};
}

Bytes AdifOf(const kmb::QsoRecord& r) { return kmb::AdifRecordOf(kmb::FormatLogLine(r)); }

Bytes Line(const char* call, const char* date, const char* band) {
  return kmb::FormatLogLine({call, "89", "", "89001", date, "09:07", "SSB", band, "59", "57", "", false});
}

class AdifExportTest : public ::testing::Test {
 protected:
  void write(const std::string& name, const Bytes& bytes) {
    ASSERT_FALSE(kmb::ReplaceFileAtomically(disk, folder.path() / name, bytes));
  }
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

Bytes Line(const char* call, const char* dpt, bool qsl = false, const char* name = "") {
  return kmb::FormatLogLine({call, dpt, "PAUL", "89001", "05/12/26", "09:07", "SSB", "14 Mhz", "59", "57", name, qsl});
}

std::vector<Bytes> TickedRows(std::size_t count) {
  std::vector<Bytes> rows;
  for (std::size_t i = 1; i <= count; ++i) rows.push_back(kmb::QslListRow(Line("F1AAA", "89")));
  return rows;
}

}  // namespace

// Every record's shape (lengths, order, <eor>) for any line is the fuzz_adif target's. Here three records byte for
// byte: Paul's; HÉLÈNE (one byte a letter) with a 30-character name holding a double blank and an accent, no QSL;
// a short line, blank where it ends.
TEST(AdifRecord, RecordsByteForByte) {
  kmb::QsoRecord r = Paul();
  r.prenom = "H\xC9L\xC8NE";
  r.nomLavoir = "LAVOIR  DU PR\xC9 DE LA FONTAINEX";
  r.dpt = "2a";
  r.ref = "2a001";
  r.qsl = false;
  EXPECT_EQ(kmb::JoinLines({AdifOf(Paul()), AdifOf(r), kmb::AdifRecordOf("F1ABC        89")}),
            TestData("adif-records.txt"));
}

TEST(AdifRecord, EveryEntryBandGetsTheAdifBandOfItsFrequencyAndOthersNone) {
  std::string bands;
  for (const char* label : {"1.8 Mhz", "3.5 Mhz", "7.0 Mhz", "10 Mhz", "14 Mhz", "18 Mhz", "21 Mhz", "24 Mhz", "28 Mhz",
                            "50 Mhz", "144 Mhz", "432 Mhz", "14 MHz", "5 Mhz", "", "1296 Mh"})
    bands += kmb::AdifBand(label) + ",";
  EXPECT_EQ(bands, "160m,80m,40m,30m,20m,17m,15m,12m,10m,6m,2m,70cm,,,,,");
}

// Which dates and times are real is the date reader's test (LogLineTest QsoDateAndTime).
TEST(AdifRecord, DatesTakeTheLogsCenturyAndMalformedDatesAndTimesAreLeftEmpty) {
  std::string dates, times;
  for (const char* date : {"01/01/99", "31/12/50", "01/01/49", "29/02/00", "31/02/26", ""})
    dates += kmb::AdifDate(date) + ",";
  for (const char* time : {"00:00", "23:59", "25:99", ""}) times += kmb::AdifTime(time) + ",";
  EXPECT_EQ(dates, "19990101,19501231,20490101,20000229,,,");
  EXPECT_EQ(times, "0000,2359,,,");
}

TEST(AdifRecord, OnlyAStarInColumn107IsAReceivedQsl) {
  Bytes line = kmb::FormatLogLine(Paul());
  line[106] = 'x';
  EXPECT_NE(kmb::AdifRecordOf(line).find("<QSL_RCVD:1>N <eor>"), Bytes::npos);
}

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

TEST(QslListRow, IsBuiltFromTheLogLinePieceByPiece) {
  const Bytes row = kmb::QslListRow(Line("FXXXX", "89"));
  EXPECT_EQ(row, "05/12/26  09:07   89   KMB 89001   SSB  14 Mhz   59   57" + std::string(34, ' '));
  EXPECT_EQ(row.size(), kmb::kQslListRowLength);
  const Bytes named = kmb::QslListRow(Line("FXXXX", "2a", false, "Lavoir du bourg"));
  EXPECT_EQ(named.substr(60), kmb::PadRight("LAVOIR DU BOURG", 30));
  EXPECT_EQ(named.substr(18, 2), "2a");
  // An empty department shifts the rest two to the left.
  EXPECT_EQ(kmb::QslListRow(Line("FXXXX", "")), row.substr(0, 18) + row.substr(20));
}

TEST(AwaitedQslRows, ListsMatchingCallSignsWithoutAReceivedQslInListOrder) {
  const kmb::Lines rows = {Line("FXXXX", "89", true), Line("FXXXX", "77"), Line("F1ABC", "89"), Line("ZFXXY", "21")};
  EXPECT_EQ(kmb::AwaitedQslRows(rows, "fx"), (std::vector<Bytes>{kmb::QslListRow(rows[1]), kmb::QslListRow(rows[3])}));
  EXPECT_TRUE(kmb::AwaitedQslRows(rows, "F9").empty());
  EXPECT_TRUE(kmb::QslReceived(rows[0]));
  EXPECT_FALSE(kmb::QslReceived(rows[1]));
}

// 18 QSOs a card, each as high as a full one (heading, header, QSOs, empty lines to 19, signature, "-"); a full
// card is set apart from the next by one more empty line.
TEST(QslCardLines, CardsHoldEighteenQsosAndKeepTheirHeight) {
  EXPECT_TRUE(kmb::QslCardLines("F1AAA", "F4ABC", {}).empty());
  EXPECT_EQ(kmb::JoinLines(kmb::QslCardLines("F1AAA", "F4ABC", TickedRows(20))), TestData("qsl-cards-20.txt"));
  for (const std::size_t count : {1u, 17u, 18u, 36u}) {
    const kmb::Lines lines = kmb::QslCardLines("F1AAA", "F4ABC", TickedRows(count));
    const std::size_t full = count / 18, partial = count % 18 ? 1 : 0;
    EXPECT_EQ(lines.size(), full * 25 + partial * 24) << count;
    EXPECT_EQ(std::size_t(std::count(lines.begin(), lines.end(), lines[0])), full + partial) << count;
  }
}
