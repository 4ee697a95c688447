#include "award/AwardRules.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <unistd.h>

#include "award/AwardLog.h"

using namespace kmb;
using award_test::Confirmed;
using award_test::Unconfirmed;

TEST(BandGroup, EveryKnownLabelHasItsGroup) {
  for (const char* hf : {"1.8 Mhz", "3.5 Mhz", "7.0 Mhz", "14 Mhz", "18 Mhz", "21 Mhz", "24 Mhz", "28 Mhz", "50 Mhz"})
    EXPECT_EQ(BandGroup(hf), "HF") << hf;
  EXPECT_EQ(BandGroup("144 Mhz"), "VHF");
  EXPECT_EQ(BandGroup("432 Mhz"), "UHF");
}

TEST(BandGroup, TrimsButOtherwiseComparesExactly) {
  EXPECT_EQ(BandGroup("  14 Mhz "), "HF");
  EXPECT_EQ(BandGroup("10 Mhz"), "");
  EXPECT_EQ(BandGroup("14 MHz"), "");
  EXPECT_EQ(BandGroup("14"), "");
  EXPECT_EQ(BandGroup(""), "");
}

TEST(DepartmentNumber, CorsicaInItsFourFormsOnly) {
  for (auto reading : {DepartmentReading::LeadingDigits, DepartmentReading::WholeNumber}) {
    EXPECT_EQ(DepartmentNumber("2A", reading), 96);
    EXPECT_EQ(DepartmentNumber("2a  ", reading), 96);
    EXPECT_EQ(DepartmentNumber("2B", reading), 97);
    EXPECT_EQ(DepartmentNumber("2b", reading), 97);
  }
  EXPECT_EQ(DepartmentNumber("2c", DepartmentReading::WholeNumber), std::nullopt);
}

TEST(DepartmentNumber, ScoresReadTheLeadingDigits) {
  const auto scores = DepartmentReading::LeadingDigits;
  EXPECT_EQ(DepartmentNumber("89  ", scores), 89);
  EXPECT_EQ(DepartmentNumber("05", scores), 5);
  EXPECT_EQ(DepartmentNumber("2c", scores), 2);
  EXPECT_EQ(DepartmentNumber("7x", scores), 7);
  EXPECT_EQ(DepartmentNumber("20", scores), 20);
  EXPECT_EQ(DepartmentNumber("97", scores), 97);
  EXPECT_EQ(DepartmentNumber("98", scores), std::nullopt);
  EXPECT_EQ(DepartmentNumber("00", scores), std::nullopt);
  EXPECT_EQ(DepartmentNumber("xy", scores), std::nullopt);
  EXPECT_EQ(DepartmentNumber("", scores), std::nullopt);
}

TEST(DepartmentNumber, MapWantsAWholeNumberUpToNinetyNine) {
  const auto map = DepartmentReading::WholeNumber;
  EXPECT_EQ(DepartmentNumber("89", map), 89);
  EXPECT_EQ(DepartmentNumber(" 05 ", map), 5);
  EXPECT_EQ(DepartmentNumber("00", map), 0);
  EXPECT_EQ(DepartmentNumber("98", map), 98);
  EXPECT_EQ(DepartmentNumber("99", map), 99);
  EXPECT_EQ(DepartmentNumber("100", map), std::nullopt);
  EXPECT_EQ(DepartmentNumber("7x", map), std::nullopt);
  EXPECT_EQ(DepartmentNumber("x7", map), std::nullopt);
  EXPECT_EQ(DepartmentNumber("", map), std::nullopt);
}

TEST(IsConfirmed, OnlyTheStar) {
  EXPECT_TRUE(IsConfirmed('*'));
  EXPECT_FALSE(IsConfirmed(' '));
  EXPECT_FALSE(IsConfirmed('x'));
  EXPECT_FALSE(IsConfirmed('\0'));
}

TEST(CountGroup, EmptyLogCountsNothing) {
  EXPECT_EQ(CountGroup({}, "HF"), (GroupCounts{0, 0, 0}));
  EXPECT_EQ(CountGroup({}, "VHF"), (GroupCounts{0, 0, 0}));
}

TEST(CountGroup, TenMegahertzBetweenTwoHfRecordsCountsNowhere) {
  const Lines log{Confirmed("89"), Confirmed("77", "10 Mhz"), Confirmed("21")};
  EXPECT_EQ(CountGroup(log, "HF"), (GroupCounts{2, 2, 2}));
  EXPECT_EQ(CountGroup(log, "VHF"), (GroupCounts{0, 0, 0}));
  EXPECT_EQ(CountGroup(log, ""), (GroupCounts{0, 0, 0}));
}

TEST(CountGroup, EighteenAndFiftyMegahertzAreHf) {
  const Lines log{Confirmed("01", "18 Mhz"), Unconfirmed("02", "50 Mhz")};
  EXPECT_EQ(CountGroup(log, "HF"), (GroupCounts{2, 1, 1}));
  EXPECT_EQ(CountGroup(log, "VHF"), (GroupCounts{0, 0, 0}));
}

TEST(CountGroup, SameDepartmentTwiceIsOneDepartment) {
  const Lines log{Confirmed("89"), Confirmed("89"), Unconfirmed("89")};
  EXPECT_EQ(CountGroup(log, "HF"), (GroupCounts{3, 2, 1}));
}

TEST(CountGroup, UnconfirmedDepartmentsAreNotCounted) {
  const Lines log{Unconfirmed("89", "144 Mhz"), Confirmed("77", "144 Mhz")};
  EXPECT_EQ(CountGroup(log, "VHF"), (GroupCounts{2, 1, 1}));
}

TEST(CountGroup, CorsicanFormsMeetInOneDepartment) {
  const Lines log{Confirmed("2A"), Confirmed("2a"), Confirmed("2B"), Confirmed("2b")};
  EXPECT_EQ(CountGroup(log, "HF"), (GroupCounts{4, 4, 2}));
}

TEST(CountGroup, OddCodesStillCountAsContacts) {
  // "2c" reads as department 2, already marked; "98" and "xx" mark nothing.
  const Lines log{Confirmed("02"), Confirmed("2c"), Confirmed("98"), Confirmed("xx"), Confirmed("20")};
  EXPECT_EQ(CountGroup(log, "HF"), (GroupCounts{5, 5, 2}));
}

TEST(CountGroup, ShortAndEmptyLinesAreNoRecords) {
  const Lines log{"", "F1AAA", Confirmed("89").substr(0, 70), Confirmed("89")};
  // The cut line keeps its band but has lost its QSL mark.
  EXPECT_EQ(CountGroup(log, "HF"), (GroupCounts{2, 1, 1}));
}

TEST(OpenStationLog, ReadsTheStationsFileAndReportsAMissingOne) {
  const auto folder = std::filesystem::temp_directory_path() / ("award_rules_" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "F4ABC_KMB.log", std::ios::binary) << Confirmed("89") << "\r\n" << Confirmed("77") << "\r\n";
  DiskFileSystem disk;

  const LinesResult read = OpenStationLog(disk, folder, "F4ABC");
  EXPECT_FALSE(read.error);
  EXPECT_EQ(read.lines, (Lines{Confirmed("89"), Confirmed("77")}));

  const LinesResult missing = OpenStationLog(disk, folder, "F4XYZ");
  ASSERT_TRUE(missing.error);
  EXPECT_EQ(missing.error->errnum, ENOENT);
  EXPECT_TRUE(missing.lines.empty());
  std::filesystem::remove_all(folder);
}
