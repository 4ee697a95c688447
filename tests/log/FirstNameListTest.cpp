#include <gtest/gtest.h>

#include "core/log/FirstNameList.h"

using namespace kmb;

TEST(FirstNameList, LineLayout) {
  EXPECT_EQ(FirstNameLine("F4ABC", "89", "PAUL"), "F4ABC        89 PAUL");
  EXPECT_EQ(FirstNameLine("F4ABC", "", ""), "F4ABC           ");
}

TEST(FirstNameList, FindTakesTheLastMatchAndExactCallSign) {
  const Lines list{"F4ABC        89 PAUL", "F4ABCD       77 JEAN", "F4ABC        21 pierre"};
  const auto found = FindFirstName(list, "F4ABC");
  ASSERT_TRUE(found);
  EXPECT_EQ(found->dpt, "21");
  EXPECT_EQ(found->prenom, "PIERRE");
  EXPECT_FALSE(FindFirstName(list, "F4AB"));
  EXPECT_FALSE(FindFirstName(list, "f4abc"));
  const auto noDepartment = FindFirstName({"F1XYZ           LUC"}, "F1XYZ");
  ASSERT_TRUE(noDepartment);
  EXPECT_EQ(noDepartment->dpt, "");
  const auto shortLine = FindFirstName({"F1XYZ"}, "F1XYZ");
  ASSERT_TRUE(shortLine);
  EXPECT_EQ(shortLine->dpt, "");
  EXPECT_EQ(shortLine->prenom, "");
}

TEST(FirstNameList, StoreReplacesEverySameCallSignOrAppends) {
  const Lines list{"F4ABC        89 PAUL", "F1ZZZ        77 JEAN", "F4ABC        89 PAOLO"};
  EXPECT_EQ(StoreFirstName(list, "F4ABC        89 PIERRE"),
            (Lines{"F4ABC        89 PIERRE", "F1ZZZ        77 JEAN", "F4ABC        89 PIERRE"}));
  EXPECT_EQ(StoreFirstName(list, "F4ABCD       89 "),
            (Lines{"F4ABC        89 PAUL", "F1ZZZ        77 JEAN", "F4ABC        89 PAOLO", "F4ABCD       89 "}));
  EXPECT_EQ(StoreFirstName({}, "F4ABC        89 "), Lines{"F4ABC        89 "});
}
