#include <gtest/gtest.h>

#include "core/log/Cp1252Case.h"
#include "core/log/LeadingNumber.h"
#include "core/log/LogLine.h"

using namespace kmb;

namespace {

QsoRecord Sample() {
  return QsoRecord{"F4ABC", "89",     "PAUL", "89001", "05/12/26",        "09:07",
                   "SSB",   "14 Mhz", "59",   "57",    "lavoir du bourg", true};
}

}  // namespace

TEST(Columns, CutPadTrim) {
  EXPECT_EQ(Column("abcdef", 2, 3), "bcd");
  EXPECT_EQ(Column("abc", 3, 5), "c");
  EXPECT_EQ(Column("abc", 4, 1), "");
  EXPECT_EQ(Column("abc", 0, 1), "");
  EXPECT_EQ(PadRight("ab", 4), "ab  ");
  EXPECT_EQ(PadRight("abcdef", 4), "abcdef");
  EXPECT_EQ(Trim("  a b  "), "a b");
  EXPECT_EQ(Trim("   "), "");
}

TEST(Cp1252Case, KeepsLengthAndMapsAccents) {
  EXPECT_EQ(UpperCp1252("abc\xe9\xe8\xe7\xff\x9c\xdf\xf7"), "ABC\xc9\xc8\xc7\x9f\x8c\xdf\xf7");
  EXPECT_EQ(LowerCp1252("2A001\xc9"), "2a001\xe9");
}

TEST(LeadingNumber, ReadsTheWayTheLogKeyIsRead) {
  for (const auto& [text, value] : std::vector<std::pair<const char*, double>>{{"F4ABC", 0},
                                                                               {"9A1AA", 9},
                                                                               {"  12X", 12},
                                                                               {"1.5AB", 1.5},
                                                                               {"2E3AB", 2000},
                                                                               {"3D2", 300},
                                                                               {"4E", 4},
                                                                               {".", 0}})
    EXPECT_EQ(LeadingNumber(text), value) << text;
  EXPECT_EQ(LeadingNumber(""), 0);
  EXPECT_EQ(LeadingDigits("2c"), 2);
  EXPECT_EQ(LeadingDigits("x7"), 0);
  EXPECT_EQ(LeadingDigits("89"), 89);
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
  EXPECT_EQ(LogLineFromListRow(FormatListRow(12345, line)), line);
}

TEST(ListRow, ParseGivesEntryFieldsTrimmedExceptDateAndTime) {
  QsoRecord r = Sample();
  r.nomLavoir = "LAVOIR DU BOURG";
  EXPECT_EQ(ParseListRow(FormatListRow(7, FormatLogLine(r))), r);
  const Bytes shortRow = FormatListRow(1, "F4ABC");  // a short line gives a shorter row
  EXPECT_LT(shortRow.size(), kListRowLength);
  EXPECT_EQ(ParseListRow(shortRow).indicatif, "F4ABC");
}
