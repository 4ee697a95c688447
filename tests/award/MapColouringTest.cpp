#include <gtest/gtest.h>

#include "award/AwardLog.h"
#include "core/award/MapColouring.h"

using namespace kmb;
using award_test::Confirmed;
using award_test::Unconfirmed;

TEST(MapColouring, EmptyLogLeavesEveryBoxUncontacted) {
  const MapBoxes boxes = ColourMapBoxes({}, "HF");
  EXPECT_EQ(std::count(boxes.begin(), boxes.end(), BoxState::NotContacted), kMapBoxCount);
  EXPECT_EQ(CountMapBoxes(boxes), (MapCounts{0, 0, 0}));
  EXPECT_EQ(CountMapBoxes(boxes).notContacted(), 96);
}

TEST(MapColouring, ConfirmedWinsInEitherOrderAndTwoUnconfirmedMakeOneBox) {
  for (const Lines& log : {Lines{Unconfirmed("89"), Confirmed("89")}, Lines{Confirmed("89"), Unconfirmed("89")}}) {
    const MapBoxes boxes = ColourMapBoxes(log, "HF");
    EXPECT_EQ(boxes[89], BoxState::Confirmed);
    EXPECT_EQ(CountMapBoxes(boxes), (MapCounts{1, 0, 1}));
  }
  const MapBoxes boxes = ColourMapBoxes({Unconfirmed("77"), Unconfirmed("77")}, "HF");
  EXPECT_EQ(boxes[77], BoxState::NotConfirmed);
  EXPECT_EQ(CountMapBoxes(boxes), (MapCounts{1, 1, 0}));
  EXPECT_EQ(CountMapBoxes(boxes).notContacted(), 95);
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

// Boxes 20, 98 and 99 stand for no department but count; box 0 never does.
TEST(MapColouring, CorsicaOddCodesAndBoxesWithoutDepartment) {
  const Lines log{Confirmed("2A"), Unconfirmed("2b"), Confirmed("2c"),   Confirmed("7x"), Confirmed("100"),
                  Confirmed(""),   Confirmed("20"),   Unconfirmed("98"), Confirmed("99"), Confirmed("00")};
  const MapBoxes boxes = ColourMapBoxes(log, "HF");
  EXPECT_EQ(boxes[96], BoxState::Confirmed);
  EXPECT_EQ(boxes[97], BoxState::NotConfirmed);
  EXPECT_EQ(boxes[2], BoxState::NotContacted);
  EXPECT_EQ(boxes[7], BoxState::NotContacted);
  EXPECT_EQ(boxes[0], BoxState::Confirmed);
  EXPECT_EQ(CountMapBoxes(boxes), (MapCounts{5, 2, 3}));
  EXPECT_EQ(CountMapBoxes(boxes).notContacted(), 91);
}

TEST(MapBoxText, CodesOfEveryKindOfBox) {
  std::string texts;
  for (int index : {1, 9, 29, 95, 96, 97, 0, 20, 98, 99}) texts += MapBoxText(index) + " ";
  EXPECT_EQ(texts, "01 09 29 95 2a 2b 00 X X X ");
}
