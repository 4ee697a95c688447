#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/log/LogLine.h"
#include "core/reports/QslCard.h"
#include "core/reports/QslList.h"

namespace {

using kmb::Bytes;

Bytes ListRow(std::size_t number, const char* call, const char* dpt, bool qsl = false, const char* name = "") {
  return kmb::FormatListRow(number, kmb::FormatLogLine({call, dpt, "PAUL", "89001", "05/12/26", "09:07", "SSB",
                                                        "14 Mhz", "59", "57", name, qsl}));
}

std::vector<Bytes> TickedRows(std::size_t count) {
  std::vector<Bytes> rows;
  for (std::size_t i = 1; i <= count; ++i) rows.push_back(kmb::QslListRow(ListRow(i, "F1AAA", "89")));
  return rows;
}

const Bytes kHeading = "    F1AAA confirme les QSO's suivants avec la station F4ABC";
const Bytes kHeader = "      Date    Debut   Dpt    N\xB0 KMB    Mode  Bande  RstE RstR       |";
const Bytes kSignature = "                             signature :";

// The cards as they must print, 18 QSOs each: heading, empty line, header,
// the QSO lines, empty lines up to 19 lines, signature, "-", and the closing
// empty line of a full card.
kmb::Lines ExpectedCards(const std::vector<Bytes>& rows) {
  kmb::Lines all;
  for (std::size_t first = 0; first < rows.size(); first += 18) {
    const std::size_t last = std::min(rows.size(), first + 18);
    kmb::Lines card = {kHeading, "", kHeader};
    for (std::size_t i = first; i < last; ++i) card.push_back("    " + rows[i].substr(0, 57));
    card.resize(3 + 19, "");
    card.insert(card.end(), {kSignature, "-"});
    if (last - first == 18) card.emplace_back();
    all.insert(all.end(), card.begin(), card.end());
  }
  return all;
}

}  // namespace

TEST(QslListRow, IsBuiltFromTheMainListRowPieceByPiece) {
  const Bytes row = kmb::QslListRow(ListRow(7, "FXXXX", "89"));
  EXPECT_EQ(row, "05/12/26  09:07   89   KMB 89001   SSB  14 Mhz   59   57" + std::string(34, ' '));
  EXPECT_EQ(row.size(), kmb::kQslListRowLength);
  const Bytes named = kmb::QslListRow(ListRow(7, "FXXXX", "2a", false, "Lavoir du bourg"));
  EXPECT_EQ(named.substr(60), kmb::PadRight("LAVOIR DU BOURG", 30));
  EXPECT_EQ(named.substr(18, 2), "2a");
}

TEST(QslListRow, AnEmptyDepartmentShiftsTheRestTwoToTheLeft) {
  const Bytes full = kmb::QslListRow(ListRow(7, "FXXXX", "89"));
  const Bytes shifted = kmb::QslListRow(ListRow(7, "FXXXX", ""));
  EXPECT_EQ(shifted.size(), kmb::kQslListRowLength - 2);
  EXPECT_EQ(shifted.substr(0, 18), full.substr(0, 18));
  EXPECT_EQ(shifted.substr(18), full.substr(20));
  EXPECT_EQ(shifted.substr(18, 7), "   KMB ");
}

TEST(AwaitedQslRows, ListsMatchingCallSignsWithoutAReceivedQslInListOrder) {
  const std::vector<Bytes> rows = {ListRow(1, "FXXXX", "89", true), ListRow(2, "FXXXX", "77"),
                                   ListRow(3, "F1ABC", "89"), ListRow(4, "ZFXXY", "21")};
  EXPECT_EQ(kmb::AwaitedQslRows(rows, "fx"), (std::vector<Bytes>{kmb::QslListRow(rows[1]), kmb::QslListRow(rows[3])}));
  EXPECT_TRUE(kmb::AwaitedQslRows(rows, "F9").empty());
  EXPECT_TRUE(kmb::QslReceived(rows[0]));
  EXPECT_FALSE(kmb::QslReceived(rows[1]));
}

TEST(QslCardLines, CardsHoldEighteenQsosAndKeepTheirHeight) {
  ASSERT_EQ(kHeader.size(), 69u);
  EXPECT_TRUE(kmb::QslCardLines("F1AAA", "F4ABC", {}).empty());
  for (const std::size_t count : {1u, 5u, 17u, 18u, 20u, 36u}) {
    const kmb::Lines lines = kmb::QslCardLines("F1AAA", "F4ABC", TickedRows(count));
    EXPECT_EQ(lines, ExpectedCards(TickedRows(count))) << count << " QSOs";
    EXPECT_EQ(std::size_t(std::count(lines.begin(), lines.end(), kSignature)), (count + 17) / 18) << count;
  }
}

TEST(QslCardLines, FiveQsosGiveFourteenEmptyLinesBeforeTheSignature) {
  const kmb::Lines lines = kmb::QslCardLines("F1AAA", "F4ABC", TickedRows(5));
  ASSERT_EQ(lines.size(), 3u + 5u + 14u + 2u);
  EXPECT_EQ(lines[3], "    05/12/26  09:07   89   KMB 89001   SSB  14 Mhz   59   57 ");
  EXPECT_EQ(kmb::Lines(lines.begin() + 8, lines.begin() + 22), kmb::Lines(14, ""));
  EXPECT_EQ(lines[22], kSignature);
  EXPECT_EQ(lines.back(), "-");
}
