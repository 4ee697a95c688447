#include <gtest/gtest.h>

#include "core/settings/StationCall.h"
#include "core/settings/StoredIndex.h"

using namespace kmb;

TEST(StationCall, AcceptsLettersDigitsAndUnderscoreUpToTwelve) {
  EXPECT_EQ(CheckStationCall("F4ABC_P"), StationCallCheck::Accepted);
  EXPECT_EQ(CheckStationCall("F4ABCDEFGHIJ"), StationCallCheck::Accepted);
  EXPECT_EQ(CheckStationCall("F4ABCDEFGHIJK"), StationCallCheck::TooLong);
  EXPECT_EQ(CheckStationCall(""), StationCallCheck::Empty);
  for (const char* bad : {"F4 ABC", "F4-ABC", "F4/ABC",
                          "F4\xc9"
                          "BC",
                          "f4abc"})
    EXPECT_EQ(CheckStationCall(bad), StationCallCheck::ForbiddenCharacter) << bad;
  EXPECT_EQ(StationCallDisplay("F4ABC_P"), "F4ABC/P");
}

TEST(StoredIndex, FallsBackOnAnythingThatIsNotAnIndexOfTheList) {
  EXPECT_EQ(ParseStoredIndex("10", 11), 10);
  EXPECT_EQ(ParseStoredIndex(" 3 ", 11), 3);
  EXPECT_EQ(ParseStoredIndex("-1", 11), 0);
  EXPECT_EQ(ParseStoredIndex("11", 11), 0);
  EXPECT_EQ(ParseStoredIndex("-2", 11), 0);
  EXPECT_EQ(ParseStoredIndex("abc", 11), 0);
  EXPECT_EQ(ParseStoredIndex("4x", 11), 0);
  EXPECT_EQ(ParseStoredIndex("", 11, 2), 2);
  EXPECT_EQ(ParseStoredIndex("99999999999999999999", 11), 0);
}
