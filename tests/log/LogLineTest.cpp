#include <gtest/gtest.h>

#include <sstream>

#include "core/log/ContactedLavoir.h"
#include "core/log/Cp1252Case.h"
#include "core/log/FirstNameList.h"
#include "core/log/LeadingNumber.h"
#include "core/log/LogLine.h"
#include "core/log/LogRewrite.h"
#include "core/log/QsoTime.h"

using namespace kmb;

namespace {

QsoRecord Sample() {
  return QsoRecord{"F4ABC", "89",     "PAUL", "89001", "05/12/26",        "09:07",
                   "SSB",   "14 Mhz", "59",   "57",    "lavoir du bourg", true};
}

}  // namespace

// Pieces past the end are short or empty, never an error; what is longer than its width is kept whole.
TEST(Columns, CutPadTrim) {
  EXPECT_TRUE(Column("abc", 3, 5) == "c" && Column("abc", 4, 1).empty() && Column("abc", 0, 1).empty());
  EXPECT_TRUE(PadRight("ab", 4) == "ab  " && PadRight("abcdef", 4) == "abcdef");
  EXPECT_TRUE(Trim("  a b  ") == "a b" && Trim("   ").empty());
}

TEST(Cp1252Case, KeepsLengthAndMapsAccents) {
  EXPECT_EQ(UpperCp1252("abc\xe9\xe8\xe7\xff\x9c\xdf\xf7"), "ABC\xc9\xc8\xc7\x9f\x8c\xdf\xf7");
  EXPECT_EQ(LowerCp1252("2A001\xc9"), "2a001\xe9");
}

TEST(LeadingNumber, ReadsTheWayTheLogKeyIsRead) {
  std::ostringstream values;
  for (const char* text : {"F4ABC", "9A1AA", "  12X", "1.5AB", "2E3AB", "3D2", "4E", ".", ""})
    values << LeadingNumber(text) << ' ';
  EXPECT_EQ(values.str(), "0 9 12 1.5 2000 300 4 0 0 ");  // LeadingDigits: DepartmentNumber's test
}

TEST(FormatLogLine, LaysEveryFieldInItsColumns) {
  EXPECT_EQ(FormatLogLine(Sample()),
            "F4ABC        89   PAUL            89001 05/12/26 09:07 SSB 14 Mhz  59  57  "
            "LAVOIR DU BOURG                *");
}

TEST(FormatLogLine, NameIsTrimmedUpperCasedAndCutToThirty) {
  QsoRecord r = Sample();
  for (const auto& [typed, stored] :
       std::vector<std::pair<Bytes, Bytes>>{{"C. ", "C."},
                                            {"  " + Bytes(35, 'x') + " ", Bytes(30, 'X')},
                                            {"\xe9tang \xe0 l'\xefle", "\xc9TANG \xc0 L'\xcfLE"}}) {
    r.nomLavoir = typed;
    EXPECT_EQ(FormatLogLine(r).substr(75, 30), PadRight(stored, 30)) << typed;
  }
}

TEST(ParseLogLine, ReadsColumnsUntrimmedAndShortLinesGiveShortFields) {
  const QsoRecord r = ParseLogLine(FormatLogLine(Sample()));
  EXPECT_EQ(r.indicatif, "F4ABC       ");
  EXPECT_EQ(r.dpt, "89  ");
  EXPECT_EQ(r.bande, "14 Mhz ");
  EXPECT_TRUE(r.qsl);
  const QsoRecord shortLine = ParseLogLine("F4ABC        89");
  EXPECT_EQ(shortLine.dpt, "89");
  EXPECT_EQ(shortLine.prenom, "");
  EXPECT_FALSE(shortLine.qsl);
}

TEST(ListRow, ExactRowNumbersAndRoundTrip) {
  const Bytes line = FormatLogLine(Sample());
  EXPECT_EQ(FormatListRow(3, line),
            "    3  F4ABC         89   PAUL            89001  05/12/26  09:07  SSB  14 Mhz   59   57  "
            "LAVOIR DU BOURG                 *");
  for (const auto& [n, number] : {std::pair{9999u, " 9999"}, {10000u, "10000"}, {99999u, "99999"}})
    EXPECT_EQ(FormatListRow(n, line).substr(0, 5), number);
  EXPECT_LT(FormatListRow(1, "F4ABC").size(), kListRowLength);  // a short line gives a shorter row
}

TEST(EntryRecord, GivesEntryFieldsTrimmedExceptDateAndTimeWithControlsBlanked) {
  QsoRecord r = Sample();
  r.nomLavoir = "LAVOIR DU BOURG";
  EXPECT_EQ(EntryRecord(FormatLogLine(r)), r);
  EXPECT_EQ(EntryRecord("F4ABC").indicatif, "F4ABC");
  r.prenom = "PA\tUL";
  EXPECT_EQ(EntryRecord(FormatLogLine(r)).prenom, "PA UL");
}

namespace {

Bytes Line(const std::string& call, const std::string& date = "05/12/14", const std::string& time = "10:00",
           const std::string& ref = "89001", const std::string& band = "14 Mhz") {
  return FormatLogLine(QsoRecord{call, "89", "", ref, date, time, "SSB", band, "59", "59", "", false});
}

}  // namespace

TEST(AddLogLine, AppendsUnlessACallSignStartsWithADigit) {
  EXPECT_EQ(AddLogLine({Line("F1AAA"), Line("F1BBB")}, Line("F4NEW")),
            (Lines{Line("F1AAA"), Line("F1BBB"), Line("F4NEW")}));
  // Then it goes before the first of them, whatever the new call sign.
  const Lines log{Line("F1AAA"), Line("9A1AA"), Line("F1BBB"), Line("3A2XX")};
  for (const char* call : {"F4NEW", "4X4AA"})
    EXPECT_EQ(AddLogLine(log, Line(call)),
              (Lines{Line("F1AAA"), Line(call), Line("9A1AA"), Line("F1BBB"), Line("3A2XX")}));
}

TEST(InsertLogLineByDate, CenturyPivotAndSameMomentGoesFirst) {
  const Lines log{Line("F1AAA", "01/03/14"), Line("F1BBB", "05/06/14", "10:00"), Line("F1CCC", "07/08/14")};
  EXPECT_EQ(InsertLogLineByDate(log, Line("F4OLD", "01/01/99")).front(), Line("F4OLD", "01/01/99"));
  EXPECT_EQ(InsertLogLineByDate(log, Line("F4FUT", "01/01/49")).back(), Line("F4FUT", "01/01/49"));
  EXPECT_EQ(InsertLogLineByDate(log, Line("F4SAM", "05/06/14", "10:00"))[1], Line("F4SAM", "05/06/14", "10:00"));
  EXPECT_EQ(InsertLogLineByDate(log, Line("F4LAT", "05/06/14", "10:01"))[2], Line("F4LAT", "05/06/14", "10:01"));
}

TEST(InsertLogLineByDate, UnreadableDatesKeepEveryLineAndAreNeverMoved) {
  const Lines log{Line("F1AAA", "01/03/14"), "garbage line", Line("F1BAD", "31/02/14"), Line("F1CCC", "07/08/14"), ""};
  EXPECT_EQ(InsertLogLineByDate(log, Line("F4NEW", "01/05/14")),
            (Lines{Line("F1AAA", "01/03/14"), "garbage line", Line("F1BAD", "31/02/14"), Line("F4NEW", "01/05/14"),
                   Line("F1CCC", "07/08/14"), ""}));
  // A new line without a readable date is kept too, at the end.
  EXPECT_EQ(InsertLogLineByDate(log, Line("F4NEW", "00/00/00")).back(), Line("F4NEW", "00/00/00"));
}

// The one reader of dates and times: entry checks, rewriting and export all use it.
TEST(QsoDateAndTime, OnlyRealCalendarDatesAndTimesOfDay) {
  EXPECT_LT(*QsoMoment("31/12/99", "23:59"), *QsoMoment("01/01/00", "00:00"));
  EXPECT_GT(*QsoMoment("01/01/49", "00:00"), *QsoMoment("01/01/50", "00:00"));
  for (const auto& [date, year] : {std::pair{"29/02/16", 2016}, {"29/02/00", 2000}, {"31/12/50", 1950}})
    EXPECT_EQ(ReadQsoDate(date)->year, year) << date;
  for (const char* date :
       {"31/02/26", "29/02/25", "00/00/00", "31/04/14", "32/01/14", "01/13/14", "5/12/14x", "05-12-14", "ab/cd/ef"})
    EXPECT_FALSE(ReadQsoDate(date)) << date;
  for (const char* time : {"24:00", "25:99", "12:60", "08h45", "8:45"}) EXPECT_FALSE(ReadQsoTime(time)) << time;
  EXPECT_TRUE(ReadQsoTime("00:00") && ReadQsoTime("23:59"));
}

TEST(FindContactedLavoir, SameReferenceOnTheSameBandOnly) {
  const Lines log{Line("F1AAA", "12/05/13", "10:00", "77001", "7.0 Mhz"),
                  Line("F1BBB", "12/05/13", "10:00", "89001", "7.0 Mhz"),
                  Line("F1CCC", "13/05/13", "10:00", "89001", "7.0 Mhz")};
  const auto found = FindContactedLavoir(log, "89001", "7.0 Mhz");
  ASSERT_TRUE(found);
  EXPECT_EQ(found->date, "12/05/13");
  EXPECT_EQ(found->band, "7.0 Mhz");
  for (const auto& [ref, band] : {std::pair{"89001", "14 Mhz"}, {"8900", "7.0 Mhz"}, {"89001", "7.0 MHZ"}})
    EXPECT_FALSE(FindContactedLavoir(log, ref, band)) << ref << " " << band;
}

TEST(FirstNameList, LayoutLookUpAndStore) {
  EXPECT_EQ(FirstNameLine("F4ABC", "89", "PAUL"), "F4ABC        89 PAUL");
  EXPECT_EQ(FirstNameLine("F4ABC", "", ""), "F4ABC           ");
  // The last line of exactly that call sign.
  const Lines list{"F4ABC        89 PAUL", "F4ABCD       77 JEAN", "F4ABC        21 pierre"};
  const auto found = FindFirstName(list, "F4ABC");
  ASSERT_TRUE(found);
  EXPECT_EQ(found->dpt, "21");
  EXPECT_EQ(found->prenom, "PIERRE");
  EXPECT_FALSE(FindFirstName(list, "F4AB"));
  EXPECT_FALSE(FindFirstName(list, "f4abc"));
  EXPECT_EQ(FindFirstName({"F1XYZ           LUC"}, "F1XYZ")->dpt, "");
  const auto shortLine = FindFirstName({"F1XYZ"}, "F1XYZ");
  ASSERT_TRUE(shortLine);
  EXPECT_EQ(shortLine->prenom, "");
  // Every line of the same call sign is replaced; a new one is appended.
  EXPECT_EQ(StoreFirstNames(list, {"F4ABC        89 LUC"}),
            (Lines{"F4ABC        89 LUC", "F4ABCD       77 JEAN", "F4ABC        89 LUC"}));
  EXPECT_EQ(StoreFirstNames({}, {"F4ABC        89 "}), Lines{"F4ABC        89 "});
}
