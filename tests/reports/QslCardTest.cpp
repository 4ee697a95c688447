#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/log/LogLine.h"
#include "core/reports/QslCard.h"
#include "core/reports/QslList.h"
#include "support/TestData.h"

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

}  // namespace

TEST(QslListRow, IsBuiltFromTheMainListRowPieceByPiece) {
  const Bytes row = kmb::QslListRow(ListRow(7, "FXXXX", "89"));
  EXPECT_EQ(row, "05/12/26  09:07   89   KMB 89001   SSB  14 Mhz   59   57" + std::string(34, ' '));
  EXPECT_EQ(row.size(), kmb::kQslListRowLength);
  const Bytes named = kmb::QslListRow(ListRow(7, "FXXXX", "2a", false, "Lavoir du bourg"));
  EXPECT_EQ(named.substr(60), kmb::PadRight("LAVOIR DU BOURG", 30));
  EXPECT_EQ(named.substr(18, 2), "2a");
  // An empty department shifts the rest two to the left.
  EXPECT_EQ(kmb::QslListRow(ListRow(7, "FXXXX", "")), row.substr(0, 18) + row.substr(20));
}

TEST(AwaitedQslRows, ListsMatchingCallSignsWithoutAReceivedQslInListOrder) {
  const std::vector<Bytes> rows = {ListRow(1, "FXXXX", "89", true), ListRow(2, "FXXXX", "77"),
                                   ListRow(3, "F1ABC", "89"), ListRow(4, "ZFXXY", "21")};
  EXPECT_EQ(kmb::AwaitedQslRows(rows, "fx"), (std::vector<Bytes>{kmb::QslListRow(rows[1]), kmb::QslListRow(rows[3])}));
  EXPECT_TRUE(kmb::AwaitedQslRows(rows, "F9").empty());
  EXPECT_TRUE(kmb::QslReceived(rows[0]));
  EXPECT_FALSE(kmb::QslReceived(rows[1]));
}

// 18 QSOs a card, every card as high as a full one: heading, header, the QSO
// lines, empty lines up to 19, signature and "-"; a full card is set apart
// from the next by one more empty line.
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
