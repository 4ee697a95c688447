#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "log/LogLine.h"
#include "search/CallSignMatch.h"
#include "search/QsoSearch.h"
#include "search/SearchResultRow.h"

namespace {

using kmb::Bytes;
using kmb::SearchCriterion;

Bytes Row(std::size_t number, const char* call, const char* dpt, const char* ref, bool qsl = false,
          const char* name = "") {
  return kmb::FormatListRow(number, kmb::FormatLogLine({call, dpt, "PAUL", ref, "05/12/26", "09:07", "SSB", "144 Mhz",
                                                        "59", "57", name, qsl}));
}

std::vector<Bytes> Log() {
  return {Row(1, "FXXXX", "89", "89001"), Row(2, "FYYYY", "89", "89002"), Row(3, "ZFXXY", "2a", "2a001"),
          Row(4, "F1ABC", "9", "9001"), Row(5, "FXXXX", "77", "77001")};
}

std::vector<std::string> Numbers(const std::vector<Bytes>& results) {
  std::vector<std::string> numbers;
  for (const Bytes& r : results) numbers.push_back(r.substr(0, 5));
  return numbers;
}

}  // namespace

TEST(SearchResultRow, CutsTheMainListRowIntoEightySixColumns) {
  const Bytes row = kmb::FormatListRow(12, kmb::FormatLogLine({"F1ABC", "89", "PAUL", "89001", "05/12/26", "09:07",
                                                               "SSB", "144 Mhz", "59", "57", "LAVOIR DU BOURG", true}));
  const Bytes result = kmb::SearchResultRow(row);
  EXPECT_EQ(result.size(), kmb::kSearchResultLength);
  EXPECT_EQ(result,
            "   12  F1ABC         89 "
            "  "
            "05/12/26"
            "  "
            "144 Mhz "
            "  "
            "89001"
            "  " +
                kmb::PadRight("LAVOIR DU BOURG", 30) + "  *");
}

TEST(SearchResultRow, KeepsItsWidthForAShortRow) {
  EXPECT_EQ(kmb::SearchResultRow("    1  F1ABC").size(), kmb::kSearchResultLength);
}

TEST(SearchResultRow, LeadsBackToTheRowOfItsNumber) {
  std::vector<Bytes> rows;
  for (std::size_t n = 1; n <= 15; ++n) rows.push_back(Row(n, "F1ABC", "89", "89001"));
  EXPECT_EQ(kmb::ListIndexOfResult(rows, kmb::SearchResultRow(rows[11])), 11u);
  EXPECT_EQ(kmb::ListIndexOfResult(rows, kmb::SearchResultRow(rows[0])), 0u);
  EXPECT_EQ(kmb::ListIndexOfResult(rows, ""), std::nullopt);
  EXPECT_EQ(kmb::ListIndexOfResult(rows, "   16  F1ABC"), std::nullopt);
}

TEST(CallSignMatch, FindsTheUpperCasedTextAnywhereInTheTrimmedCall) {
  EXPECT_TRUE(kmb::CallSignMatches(Row(1, "FXXXX", "89", "89001"), "fx"));
  EXPECT_TRUE(kmb::CallSignMatches(Row(1, "ZFXXY", "89", "89001"), "FX"));
  EXPECT_TRUE(kmb::CallSignMatches(Row(1, "F4ABC/P", "89", "89001"), "c/p"));
  EXPECT_FALSE(kmb::CallSignMatches(Row(1, "FYYYY", "89", "89001"), "FX"));
  // The blanks that pad the field are not part of the call.
  EXPECT_FALSE(kmb::CallSignMatches(Row(1, "FXXXX", "89", "89001"), "XX "));
}

TEST(QsoSearch, ByCallSignKeepsTheMainListOrder) {
  EXPECT_EQ(Numbers(kmb::FindQsos(Log(), SearchCriterion::Indicatif, "fx")),
            (std::vector<std::string>{"    1", "    3", "    5"}));
  EXPECT_TRUE(kmb::FindQsos(Log(), SearchCriterion::Indicatif, "F9").empty());
}

TEST(QsoSearch, ByReferenceMatchesTheWholeReferenceOnly) {
  EXPECT_EQ(Numbers(kmb::FindQsos(Log(), SearchCriterion::Reference, "89001")), std::vector<std::string>{"    1"});
  EXPECT_TRUE(kmb::FindQsos(Log(), SearchCriterion::Reference, "8900").empty());
  EXPECT_TRUE(kmb::FindQsos(Log(), SearchCriterion::Reference, "89").empty());
}

TEST(QsoSearch, ByReferenceIgnoresCaseSoCorsicanReferencesAreFound) {
  EXPECT_EQ(Numbers(kmb::FindQsos(Log(), SearchCriterion::Reference, "2A001")), std::vector<std::string>{"    3"});
  EXPECT_EQ(Numbers(kmb::FindQsos(Log(), SearchCriterion::Reference, "2a001")), std::vector<std::string>{"    3"});
}

TEST(QsoSearch, ByDepartmentComparesTheTwoCharactersExactly) {
  EXPECT_EQ(Numbers(kmb::FindQsos(Log(), SearchCriterion::Departement, "89")),
            (std::vector<std::string>{"    1", "    2"}));
  EXPECT_EQ(Numbers(kmb::FindQsos(Log(), SearchCriterion::Departement, "2a")), std::vector<std::string>{"    3"});
  EXPECT_TRUE(kmb::FindQsos(Log(), SearchCriterion::Departement, "2A").empty());
  // One character never equals a code, nor a code and its blank.
  EXPECT_TRUE(kmb::FindQsos(Log(), SearchCriterion::Departement, "9").empty());
  EXPECT_TRUE(kmb::FindQsos(Log(), SearchCriterion::Departement, "8").empty());
}

TEST(QsoSearch, ResultsAreTheResultRowsOfTheMatches) {
  const auto rows = Log();
  EXPECT_EQ(kmb::FindQsos(rows, SearchCriterion::Reference, "77001"),
            std::vector<Bytes>{kmb::SearchResultRow(rows[4])});
}
