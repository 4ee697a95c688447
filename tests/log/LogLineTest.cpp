#include <gtest/gtest.h>

#include "core/log/LogLine.h"

using namespace kmb;

namespace {

QsoRecord Sample() {
  return QsoRecord{"F4ABC", "89",     "PAUL", "89001", "05/12/26",        "09:07",
                   "SSB",   "14 Mhz", "59",   "57",    "lavoir du bourg", true};
}

}  // namespace

TEST(FormatLogLine, LaysEveryFieldInItsColumns) {
  const Bytes line = FormatLogLine(Sample());
  ASSERT_EQ(line.size(), kLogLineLength);
  EXPECT_EQ(line,
            "F4ABC        89   PAUL            89001 05/12/26 09:07 SSB 14 Mhz  59  57  "
            "LAVOIR DU BOURG                *");
}

TEST(FormatLogLine, EdgeFieldsKeepTheLayout) {
  QsoRecord r = Sample();
  r.indicatif = "F4ABC/P12345";  // 12 characters fill columns 1-12
  r.prenom.clear();
  r.nomLavoir.clear();
  r.qsl = false;
  const Bytes line = FormatLogLine(r);
  ASSERT_EQ(line.size(), kLogLineLength);
  EXPECT_EQ(line.substr(0, 13), "F4ABC/P12345 ");
  EXPECT_EQ(line.substr(18, 15), std::string(15, ' '));
  EXPECT_EQ(line.substr(75, 30), std::string(30, ' '));
  EXPECT_EQ(line[106], ' ');
}

TEST(FormatLogLine, NameIsTrimmedUpperCasedAndCutToThirty) {
  QsoRecord r = Sample();
  r.nomLavoir = "C. ";
  EXPECT_EQ(FormatLogLine(r).substr(75, 30), "C." + std::string(28, ' '));
  r.nomLavoir = "  " + std::string(35, 'x') + " ";
  EXPECT_EQ(FormatLogLine(r).substr(75, 30), std::string(30, 'X'));
  r.nomLavoir =
      "\xe9tang \xe0 l'\xefle stra\xdf"
      "e";  // étang à l'île straße
  EXPECT_EQ(Trim(FormatLogLine(r).substr(75, 30)),
            "\xc9TANG \xc0 L'\xcfLE STRA\xdf"
            "E");
}

TEST(ParseLogLine, ReadsColumnsUntrimmedAndShortLinesGiveShortFields) {
  const QsoRecord r = ParseLogLine(FormatLogLine(Sample()));
  EXPECT_EQ(r.indicatif, "F4ABC       ");
  EXPECT_EQ(r.dpt, "89  ");
  EXPECT_EQ(r.ref, "89001");
  EXPECT_EQ(r.bande, "14 Mhz ");
  EXPECT_TRUE(r.qsl);
  const QsoRecord shortLine = ParseLogLine("F4ABC        89");
  EXPECT_EQ(shortLine.dpt, "89");
  EXPECT_EQ(shortLine.prenom, "");
  EXPECT_FALSE(shortLine.qsl);
}

TEST(ListRow, NumbersRightAlignedInFiveColumns) {
  const Bytes line = FormatLogLine(Sample());
  for (const auto& [n, number] :
       {std::pair{1u, "    1"}, {10u, "   10"}, {9999u, " 9999"}, {10000u, "10000"}, {99999u, "99999"}}) {
    EXPECT_EQ(FormatListRow(n, line).substr(0, 5), number);
    EXPECT_EQ(FormatListRow(n, line).size(), kListRowLength);
  }
}

TEST(ListRow, ExactRowAndRoundTrip) {
  const Bytes line = FormatLogLine(Sample());
  const Bytes row = FormatListRow(3, line);
  EXPECT_EQ(row,
            "    3  F4ABC         89   PAUL            89001  05/12/26  09:07  SSB  14 Mhz   59   57  "
            "LAVOIR DU BOURG                 *");
  EXPECT_EQ(row.substr(21, 4), "89  ");
  EXPECT_EQ(row.substr(89, 30), "LAVOIR DU BOURG" + std::string(15, ' '));
  EXPECT_EQ(row.substr(119), "  *");
  EXPECT_EQ(LogLineFromListRow(row), line);
  EXPECT_EQ(LogLineFromListRow(FormatListRow(12345, line)), line);
}

TEST(ListRow, ParseGivesEntryFieldsTrimmedExceptDateAndTime) {
  QsoRecord r = Sample();
  r.nomLavoir = "LAVOIR DU BOURG";
  const QsoRecord parsed = ParseListRow(FormatListRow(7, FormatLogLine(r)));
  EXPECT_EQ(parsed, r);
}

TEST(ListRow, ShortLineGivesShorterRowWithoutFailing) {
  const Bytes row = FormatListRow(1, "F4ABC");
  EXPECT_LT(row.size(), kListRowLength);
  EXPECT_EQ(ParseListRow(row).indicatif, "F4ABC");
}
