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

Bytes Line(const char* call, const char* dpt = "89", const char* ref = "89001") {
  return kmb::FormatLogLine({call, dpt, "PAUL", ref, "05/12/26", "09:07", "SSB", "144 Mhz", "59", "57", "", false});
}

}  // namespace

TEST(SearchResultRow, CutsTheLogLineIntoEightySixColumns) {
  const Bytes line = kmb::FormatLogLine(
      {"F1ABC", "89", "PAUL", "89001", "05/12/26", "09:07", "SSB", "144 Mhz", "59", "57", "LAVOIR DU BOURG", true});
  const Bytes result = kmb::SearchResultRow(12, line);
  EXPECT_EQ(result.size(), kmb::kSearchResultLength);
  EXPECT_EQ(result,
            "   12  F1ABC         89   05/12/26  144 Mhz   89001  " + kmb::PadRight("LAVOIR DU BOURG", 30) + "  *");
  EXPECT_EQ(kmb::SearchResultRow(1, "F1ABC").size(), kmb::kSearchResultLength);  // a short line too
}

// Rows deleted above a found QSO since the search: the QSO, not its old number.
TEST(SearchResultRow, LeadsBackToTheSameQsoWhereverItNowStands) {
  const kmb::Lines before{Line("F1AAA"), Line("F1BBB"), Line("F1CCC"), Line("F1BBB")};
  EXPECT_EQ(kmb::ListIndexOfLine(before, before[3], 3), 3u);
  const kmb::Lines after{Line("F1BBB"), Line("F1CCC"), Line("F1BBB")};
  EXPECT_EQ(kmb::ListIndexOfLine(after, before[2], 2), 1u);
  EXPECT_EQ(kmb::ListIndexOfLine(after, before[3], 3), 2u);  // of two equal QSOs, the nearer
  EXPECT_EQ(kmb::ListIndexOfLine(after, before[0], 0), std::nullopt);
  EXPECT_EQ(kmb::ListIndexOfLine(after, "", 0), std::nullopt);
}

TEST(CallSignMatch, FindsTheUpperCasedTextAnywhereInTheTrimmedCall) {
  EXPECT_TRUE(kmb::CallSignMatches(Line("FXXXX"), "fx"));
  EXPECT_TRUE(kmb::CallSignMatches(Line("ZFXXY"), "FX"));
  EXPECT_TRUE(kmb::CallSignMatches(Line("F4ABC/P"), "c/p"));
  EXPECT_FALSE(kmb::CallSignMatches(Line("FYYYY"), "FX"));
  // The blanks that pad the field are not part of the call.
  EXPECT_FALSE(kmb::CallSignMatches(Line("FXXXX"), "XX "));
}

TEST(QsoSearch, EachCriterionFindsItsRowsInMainListOrder) {
  const kmb::Lines log = {Line("FXXXX", "89", "89001"), Line("FYYYY", "89", "89002"), Line("ZFXXY", "2a", "2a001"),
                          Line("F1ABC", "9", "9001"), Line("FXXXX", "77", "77001")};
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
