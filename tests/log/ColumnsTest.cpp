#include <gtest/gtest.h>

#include "core/log/Cp1252Case.h"
#include "core/log/FixedColumns.h"
#include "core/log/LeadingNumber.h"

using namespace kmb;

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
  EXPECT_EQ(UpperCp1252("abc\xe9\xe8\xe7\xff\x9c\xdf"), "ABC\xc9\xc8\xc7\x9f\x8c\xdf");
  EXPECT_EQ(UpperCp1252("\xf7"), "\xf7");  // division sign has no case
  EXPECT_EQ(LowerCp1252("2A001\xc9"), "2a001\xe9");
}

TEST(LeadingNumber, ReadsTheWayTheLogKeyIsRead) {
  EXPECT_EQ(LeadingNumber("F4ABC"), 0);
  EXPECT_EQ(LeadingNumber("9A1AA"), 9);
  EXPECT_EQ(LeadingNumber("  12X"), 12);
  EXPECT_EQ(LeadingNumber("1.5AB"), 1.5);
  EXPECT_EQ(LeadingNumber("2E3AB"), 2000);
  EXPECT_EQ(LeadingNumber("3D2"), 300);
  EXPECT_EQ(LeadingNumber("4E"), 4);
  EXPECT_EQ(LeadingNumber("."), 0);
  EXPECT_EQ(LeadingNumber(""), 0);
  EXPECT_EQ(LeadingDigits("2c"), 2);
  EXPECT_EQ(LeadingDigits("x7"), 0);
  EXPECT_EQ(LeadingDigits("89"), 89);
}
