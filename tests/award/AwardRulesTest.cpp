#include <gtest/gtest.h>

#include "award/AwardLog.h"
#include "core/award/AwardRules.h"
#include "core/award/Diploma.h"

using namespace kmb;
using award_test::Confirmed;
using award_test::Unconfirmed;

TEST(BandGroup, KnownLabelsTrimmedButOtherwiseComparedExactly) {
  for (const char* hf :
       {"1.8 Mhz", "3.5 Mhz", "7.0 Mhz", "14 Mhz", "18 Mhz", "21 Mhz", "24 Mhz", "28 Mhz", "50 Mhz", "  14 Mhz "})
    EXPECT_EQ(BandGroup(hf), "HF") << hf;
  EXPECT_EQ(BandGroup("144 Mhz"), "VHF");
  EXPECT_EQ(BandGroup("432 Mhz"), "UHF");
  for (const char* none : {"10 Mhz", "14 MHz", "14", ""}) EXPECT_EQ(BandGroup(none), "") << none;
}

TEST(DepartmentNumber, CorsicaInItsFourFormsOnly) {
  for (auto reading : {DepartmentReading::LeadingDigits, DepartmentReading::WholeNumber}) {
    for (const char* a : {"2A", "2a  "}) EXPECT_EQ(DepartmentNumber(a, reading), 96);
    for (const char* b : {"2B", "2b"}) EXPECT_EQ(DepartmentNumber(b, reading), 97);
  }
  EXPECT_EQ(DepartmentNumber("2c", DepartmentReading::WholeNumber), std::nullopt);
}

TEST(DepartmentNumber, ScoresReadTheLeadingDigitsAndTheMapAWholeNumberUpToNinetyNine) {
  const std::optional<int> none;
  using Cases = std::vector<std::pair<const char*, std::optional<int>>>;
  for (const auto& [code, number] : Cases{{"89  ", 89},
                                          {"05", 5},
                                          {"2c", 2},
                                          {"7x", 7},
                                          {"20", 20},
                                          {"97", none},
                                          {"98", none},
                                          {"00", none},
                                          {"xy", none},
                                          {"", none}})
    EXPECT_EQ(DepartmentNumber(code, DepartmentReading::LeadingDigits), number) << '"' << code << '"';
  for (const auto& [code, number] : Cases{{"89", 89},
                                          {" 05 ", 5},
                                          {"00", 0},
                                          {"98", 98},
                                          {"99", 99},
                                          {"96", none},
                                          {"100", none},
                                          {"7x", none},
                                          {"x7", none},
                                          {"", none}})
    EXPECT_EQ(DepartmentNumber(code, DepartmentReading::WholeNumber), number) << '"' << code << '"';
}

TEST(CountGroup, ContactsConfirmedAndConfirmedDepartments) {
  EXPECT_TRUE(IsConfirmed('*') && !IsConfirmed(' ') && !IsConfirmed('x') && !IsConfirmed('\0'));
  const struct {
    const char* what;
    Lines log;
    const char* group;
    GroupCounts counts;
  } cases[] = {
      {"empty log", {}, "HF", {0, 0, 0}},
      {"empty log", {}, "VHF", {0, 0, 0}},
      {"10 MHz between two HF records counts nowhere",
       {Confirmed("89"), Confirmed("77", "10 Mhz"), Confirmed("21")},
       "HF",
       {2, 2, 2}},
      {"10 MHz", {Confirmed("89"), Confirmed("77", "10 Mhz")}, "VHF", {0, 0, 0}},
      {"no group", {Confirmed("89")}, "", {0, 0, 0}},
      {"18 and 50 MHz are HF", {Confirmed("01", "18 Mhz"), Unconfirmed("02", "50 Mhz")}, "HF", {2, 1, 1}},
      {"18 and 50 MHz are not VHF", {Confirmed("01", "18 Mhz"), Unconfirmed("02", "50 Mhz")}, "VHF", {0, 0, 0}},
      {"same department twice", {Confirmed("89"), Confirmed("89"), Unconfirmed("89")}, "HF", {3, 2, 1}},
      {"unconfirmed department", {Unconfirmed("89", "144 Mhz"), Confirmed("77", "144 Mhz")}, "VHF", {2, 1, 1}},
      {"Corsican forms", {Confirmed("2A"), Confirmed("2a"), Confirmed("2B"), Confirmed("2b")}, "HF", {4, 4, 2}},
      // "2c" reads as department 2, already marked; "98" and "xx" mark nothing.
      {"odd codes",
       {Confirmed("02"), Confirmed("2c"), Confirmed("98"), Confirmed("xx"), Confirmed("20")},
       "HF",
       {5, 5, 2}},
      // The cut line keeps its band but has lost its QSL mark.
      {"short and empty lines", {"", "F1AAA", Confirmed("89").substr(0, 70), Confirmed("89")}, "HF", {2, 1, 1}},
  };
  for (const auto& c : cases) EXPECT_EQ(CountGroup(c.log, c.group), c.counts) << c.what << ", " << c.group;
}

// HF: 30 confirmed QSOs of the HF group; VHF: 10 of the 144 MHz band. Short
// of it, the number shown is how many are missing.
TEST(Diploma, ReachedAtThirtyHfOrTenVhfConfirmationsOfItsGroupOnly) {
  for (const auto& [rule, confirmed, reached, shown] :
       std::vector<std::tuple<DiplomaRule, int, bool, int>>{{kHfDiploma, 0, false, 30},
                                                            {kHfDiploma, 12, false, 18},
                                                            {kHfDiploma, 29, false, 1},
                                                            {kHfDiploma, 30, true, 30},
                                                            {kHfDiploma, 41, true, 41},
                                                            {kVhfDiploma, 9, false, 1},
                                                            {kVhfDiploma, 10, true, 10}}) {
    const Lines log(confirmed, Confirmed("89", rule.group == kHf ? "14 Mhz" : "144 Mhz"));
    const DiplomaStanding standing = EvaluateDiploma(log, rule);
    EXPECT_EQ(standing.reached(), reached) << rule.group << confirmed;
    EXPECT_EQ(standing.shownNumber(), shown) << rule.group << confirmed;
  }
  const Lines log{Confirmed("01", "50 Mhz"), Confirmed("02", "432 Mhz"), Confirmed("03", "10 Mhz"),
                  Unconfirmed("04"),         Confirmed("05", "144 Mhz"), Unconfirmed("06", "144 Mhz")};
  EXPECT_EQ(EvaluateDiploma(log, kHfDiploma).confirmed, 1);
  EXPECT_EQ(EvaluateDiploma(log, kVhfDiploma).confirmed, 1);
}
