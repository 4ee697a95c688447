#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/log/LogLine.h"
#include "core/search/CallSignMatch.h"
#include "core/search/QsoSearch.h"
#include "core/search/SearchResultRow.h"

namespace {

using kmb::Bytes;
using kmb::SearchCriterion;

Bytes Row(std::size_t number, const char* call, const char* dpt = "89", const char* ref = "89001") {
  return kmb::FormatListRow(number, kmb::FormatLogLine({call, dpt, "PAUL", ref, "05/12/26", "09:07", "SSB", "144 Mhz",
                                                        "59", "57", "", false}));
}

}  // namespace

TEST(SearchResultRow, CutsTheMainListRowIntoEightySixColumns) {
  const Bytes row = kmb::FormatListRow(12, kmb::FormatLogLine({"F1ABC", "89", "PAUL", "89001", "05/12/26", "09:07",
                                                               "SSB", "144 Mhz", "59", "57", "LAVOIR DU BOURG", true}));
  const Bytes result = kmb::SearchResultRow(row);
  EXPECT_EQ(result.size(), kmb::kSearchResultLength);
  EXPECT_EQ(result,
            "   12  F1ABC         89   05/12/26  144 Mhz   89001  " + kmb::PadRight("LAVOIR DU BOURG", 30) + "  *");
  EXPECT_EQ(kmb::SearchResultRow("    1  F1ABC").size(), kmb::kSearchResultLength);  // a short row too
}

// Rows deleted above a found QSO since the search: the QSO, not its old number.
TEST(SearchResultRow, LeadsBackToTheSameQsoWhereverItNowStands) {
  const std::vector<Bytes> before{Row(1, "F1AAA"), Row(2, "F1BBB"), Row(3, "F1CCC"), Row(4, "F1BBB")};
  EXPECT_EQ(kmb::ListIndexOfRow(before, before[3], 3), 3u);
  const std::vector<Bytes> after{Row(1, "F1BBB"), Row(2, "F1CCC"), Row(3, "F1BBB")};
  EXPECT_EQ(kmb::ListIndexOfRow(after, before[2], 2), 1u);
  EXPECT_EQ(kmb::ListIndexOfRow(after, before[3], 3), 2u);  // of two equal QSOs, the nearer
  EXPECT_EQ(kmb::ListIndexOfRow(after, before[0], 0), std::nullopt);
  EXPECT_EQ(kmb::ListIndexOfRow(after, "", 0), std::nullopt);
}

TEST(CallSignMatch, FindsTheUpperCasedTextAnywhereInTheTrimmedCall) {
  EXPECT_TRUE(kmb::CallSignMatches(Row(1, "FXXXX"), "fx"));
  EXPECT_TRUE(kmb::CallSignMatches(Row(1, "ZFXXY"), "FX"));
  EXPECT_TRUE(kmb::CallSignMatches(Row(1, "F4ABC/P"), "c/p"));
  EXPECT_FALSE(kmb::CallSignMatches(Row(1, "FYYYY"), "FX"));
  // The blanks that pad the field are not part of the call.
  EXPECT_FALSE(kmb::CallSignMatches(Row(1, "FXXXX"), "XX "));
}

TEST(QsoSearch, EachCriterionFindsItsRowsInMainListOrder) {
  const std::vector<Bytes> log = {Row(1, "FXXXX", "89", "89001"), Row(2, "FYYYY", "89", "89002"),
                                  Row(3, "ZFXXY", "2a", "2a001"), Row(4, "F1ABC", "9", "9001"),
                                  Row(5, "FXXXX", "77", "77001")};
  // The numbers of the rows found for each text, then "|".
  const auto found = [&log](SearchCriterion criterion, std::initializer_list<const char*> texts) {
    std::string numbers;
    for (const char* text : texts) {
      for (const std::size_t index : kmb::FindQsos(log, criterion, text)) numbers += std::to_string(index + 1) + " ";
      numbers += "|";
    }
    return numbers;
  };
  EXPECT_EQ(found(SearchCriterion::Indicatif, {"fx", "F9"}), "1 3 5 ||");
  // The whole reference only, whatever its case, so Corsican references are found.
  EXPECT_EQ(found(SearchCriterion::Reference, {"89001", "8900", "89", "2A001", "2a001", "77001"}), "1 |||3 |3 |5 |");
  // The two characters exactly: one never equals a code, nor a code and its blank.
  EXPECT_EQ(found(SearchCriterion::Departement, {"89", "2a", "2A", "9", "8"}), "1 2 |3 ||||");
}
