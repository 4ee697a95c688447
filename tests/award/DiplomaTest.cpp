#include "award/Diploma.h"

#include <gtest/gtest.h>

#include "award/AwardLog.h"

using namespace kmb;
using award_test::Confirmed;
using award_test::Unconfirmed;

namespace {

Lines Repeated(const Bytes& line, int times) { return Lines(static_cast<std::size_t>(times), line); }

}  // namespace

TEST(Diploma, HfThresholdIsThirty) {
  const DiplomaStanding at29 = EvaluateDiploma(Repeated(Confirmed("89"), 29), kHfDiploma);
  EXPECT_FALSE(at29.reached());
  EXPECT_EQ(at29.shownNumber(), 1);

  const DiplomaStanding at30 = EvaluateDiploma(Repeated(Confirmed("89"), 30), kHfDiploma);
  EXPECT_TRUE(at30.reached());
  EXPECT_EQ(at30.shownNumber(), 30);

  EXPECT_EQ(EvaluateDiploma(Repeated(Confirmed("89"), 41), kHfDiploma).shownNumber(), 41);
  EXPECT_EQ(EvaluateDiploma(Repeated(Confirmed("89"), 12), kHfDiploma).shownNumber(), 18);
}

TEST(Diploma, VhfThresholdIsTen) {
  EXPECT_FALSE(EvaluateDiploma(Repeated(Confirmed("89", "144 Mhz"), 9), kVhfDiploma).reached());
  EXPECT_EQ(EvaluateDiploma(Repeated(Confirmed("89", "144 Mhz"), 9), kVhfDiploma).shownNumber(), 1);
  EXPECT_TRUE(EvaluateDiploma(Repeated(Confirmed("89", "144 Mhz"), 10), kVhfDiploma).reached());
}

TEST(Diploma, EmptyLogMissesTheWholeThreshold) {
  EXPECT_EQ(EvaluateDiploma({}, kHfDiploma).shownNumber(), 30);
  EXPECT_EQ(EvaluateDiploma({}, kVhfDiploma).shownNumber(), 10);
}

TEST(Diploma, OnlyConfirmedRecordsOfTheRightBandsCount) {
  const Lines log{Confirmed("89", "50 Mhz"), Confirmed("89", "432 Mhz"), Confirmed("89", "10 Mhz"),
                  Unconfirmed("89", "144 Mhz"), Unconfirmed("89", "14 Mhz"), Confirmed("89", "144 Mhz")};
  EXPECT_EQ(EvaluateDiploma(log, kHfDiploma).confirmed, 1);
  EXPECT_EQ(EvaluateDiploma(log, kVhfDiploma).confirmed, 1);
}

TEST(Diploma, SameReferenceTwiceCountsTwice) {
  EXPECT_EQ(EvaluateDiploma({Confirmed("89"), Confirmed("89")}, kHfDiploma).confirmed, 2);
}
