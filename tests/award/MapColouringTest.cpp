#include <gtest/gtest.h>

#include "award/AwardLog.h"
#include "core/award/MapColouring.h"

using namespace kmb;
using award_test::Confirmed;
using award_test::Unconfirmed;

namespace {

int CountState(const MapBoxes& boxes, BoxState state) {
  return static_cast<int>(std::count(boxes.begin(), boxes.end(), state));
}

}  // namespace

TEST(MapColouring, EmptyLogLeavesEveryBoxUncontacted) {
  const MapBoxes boxes = ColourMapBoxes({}, "HF");
  EXPECT_EQ(CountState(boxes, BoxState::NotContacted), kMapBoxCount);
  const MapCounts counts = CountMapBoxes(boxes);
  EXPECT_EQ(counts, (MapCounts{0, 0, 0}));
  EXPECT_EQ(counts.notContacted(), 96);
}

TEST(MapColouring, ConfirmedWinsInEitherOrder) {
  for (const Lines& log : {Lines{Unconfirmed("89"), Confirmed("89")}, Lines{Confirmed("89"), Unconfirmed("89")}}) {
    const MapBoxes boxes = ColourMapBoxes(log, "HF");
    EXPECT_EQ(boxes[89], BoxState::Confirmed);
    EXPECT_EQ(CountMapBoxes(boxes), (MapCounts{1, 0, 1}));
  }
}

TEST(MapColouring, TwoUnconfirmedRecordsMakeOnePinkBox) {
  const MapBoxes boxes = ColourMapBoxes({Unconfirmed("77"), Unconfirmed("77")}, "HF");
  EXPECT_EQ(boxes[77], BoxState::NotConfirmed);
  const MapCounts counts = CountMapBoxes(boxes);
  EXPECT_EQ(counts, (MapCounts{1, 1, 0}));
  EXPECT_EQ(counts.notContacted(), 95);
}

TEST(MapColouring, OnlyTheRequestedGroupColours) {
  const Lines log{Confirmed("01", "144 Mhz"), Confirmed("02", "432 Mhz"), Confirmed("03", "10 Mhz"),
                  Confirmed("04", "50 Mhz")};
  const MapBoxes hf = ColourMapBoxes(log, "HF");
  EXPECT_EQ(CountMapBoxes(hf), (MapCounts{1, 0, 1}));
  EXPECT_EQ(hf[4], BoxState::Confirmed);
  EXPECT_EQ(ColourMapBoxes(log, "VHF")[1], BoxState::Confirmed);
  EXPECT_EQ(ColourMapBoxes(log, "UHF")[2], BoxState::Confirmed);
  EXPECT_EQ(CountMapBoxes(ColourMapBoxes(log, "")), (MapCounts{0, 0, 0}));
}

TEST(MapColouring, CorsicaAndOddCodes) {
  const Lines log{Confirmed("2A"), Unconfirmed("2b"), Confirmed("2c"),
                  Confirmed("7x"), Confirmed("100"),  Confirmed("")};
  const MapBoxes boxes = ColourMapBoxes(log, "HF");
  EXPECT_EQ(boxes[96], BoxState::Confirmed);
  EXPECT_EQ(boxes[97], BoxState::NotConfirmed);
  EXPECT_EQ(boxes[2], BoxState::NotContacted);
  EXPECT_EQ(boxes[7], BoxState::NotContacted);
  EXPECT_EQ(CountMapBoxes(boxes), (MapCounts{2, 1, 1}));
}

TEST(MapColouring, BoxesWithoutDepartmentStillCountButBoxZeroNever) {
  const Lines log{Confirmed("20"), Unconfirmed("98"), Confirmed("99"), Confirmed("00")};
  const MapBoxes boxes = ColourMapBoxes(log, "HF");
  EXPECT_EQ(boxes[0], BoxState::Confirmed);
  const MapCounts counts = CountMapBoxes(boxes);
  EXPECT_EQ(counts, (MapCounts{3, 1, 2}));
  EXPECT_EQ(counts.notContacted(), 93);
}

TEST(MapBoxText, CodesOfEveryKindOfBox) {
  EXPECT_EQ(MapBoxText(1), "01");
  EXPECT_EQ(MapBoxText(9), "09");
  EXPECT_EQ(MapBoxText(29), "29");
  EXPECT_EQ(MapBoxText(95), "95");
  EXPECT_EQ(MapBoxText(96), "2a");
  EXPECT_EQ(MapBoxText(97), "2b");
  EXPECT_EQ(MapBoxText(0), "00");
  EXPECT_EQ(MapBoxText(20), "X");
  EXPECT_EQ(MapBoxText(98), "X");
  EXPECT_EQ(MapBoxText(99), "X");
}
