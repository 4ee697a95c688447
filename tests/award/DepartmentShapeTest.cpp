#include <gtest/gtest.h>

#include "core/award/DepartmentShape.h"

using namespace kmb;

TEST(SvgPath, RelativeMoveThenImplicitLines) {
  const MapRings rings = ParseSvgPathRings("m 10,20 5,0 0,5 -5,0 z");
  ASSERT_EQ(rings.size(), 1u);
  EXPECT_EQ(rings[0], (MapRing{{10, 20}, {15, 20}, {15, 25}, {10, 25}}));
}

TEST(SvgPath, SecondRingStartsFromTheFirstRingsStart) {
  const MapRings rings = ParseSvgPathRings("m 10,10 4,0 0,4 z m 100,0 1,1 z");
  ASSERT_EQ(rings.size(), 2u);
  EXPECT_EQ(rings[1].front(), (MapPoint{110, 10}));
  EXPECT_EQ(rings[1].back(), (MapPoint{111, 11}));
}

TEST(SvgPath, AbsoluteAndAxisCommands) {
  const MapRings rings = ParseSvgPathRings("M1 2L3 4H10V-2h1v1Z");
  ASSERT_EQ(rings.size(), 1u);
  EXPECT_EQ(rings[0], (MapRing{{1, 2}, {3, 4}, {10, 4}, {10, -2}, {11, -2}, {11, -1}}));
}

TEST(SvgPath, StopsAtWhatItCannotRead) {
  EXPECT_TRUE(ParseSvgPathRings("").empty());
  const MapRings rings = ParseSvgPathRings("M0,0 L1,1 C 2,2 3,3 4,4");
  ASSERT_EQ(rings.size(), 1u);
  EXPECT_EQ(rings[0].size(), 2u);
  EXPECT_EQ(ParseSvgPathRings("M0,0 L1").front().size(), 1u);
}

TEST(LabelPoint, CentroidOfTheLargestRing) {
  const MapRings rings = ParseSvgPathRings("M0,0 H10 V10 H0 Z M20,20 h1 v1 h-1 z");
  const MapPoint p = LabelPoint(rings);
  EXPECT_DOUBLE_EQ(p.x, 5);
  EXPECT_DOUBLE_EQ(p.y, 5);
  // An L shape: the centroid is pulled towards the heavier arm.
  const MapPoint l = LabelPoint(ParseSvgPathRings("M0,0 H30 V10 H10 V30 H0 Z"));
  EXPECT_LT(l.x, 15);
  EXPECT_LT(l.y, 15);
  EXPECT_EQ(LabelPoint({}), (MapPoint{0, 0}));
}
