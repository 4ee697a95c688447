#include <gtest/gtest.h>

#include "award/AwardLog.h"
#include "core/award/ContactedList.h"

using namespace kmb;
using award_test::Line;

namespace {

const ClockReading kFifthDecember{2026, 12, 5, 10, 7, 3};

// The references of the listed lines, in list order.
std::vector<std::string> Refs(const ContactedList& list) {
  std::vector<std::string> refs;
  for (const Bytes& line : list.lines) refs.push_back(line.substr(1, 5));
  return refs;
}

}  // namespace

TEST(ContactedListLine, FieldsAsTheyStandInSixtyFiveColumns) {
  const Bytes line = ContactedListLine(Line({.qsl = true, .ref = "89001", .call = "F1AAA", .name = "GRAND LAVOIR"}));
  EXPECT_EQ(line, " 89001  GRAND LAVOIR                    05/12/26  F1AAA         *");
  EXPECT_EQ(line.size(), 65u);
  EXPECT_EQ(ContactedListLine(Line({.qsl = false})).back(), ' ');
  EXPECT_EQ(ContactedListLine("F1AAA"), "       F1AAA  ");  // a short line gives short fields
}

TEST(ListContacted, GroupsInReferenceOrderWithoutRegardToCaseWithCounts) {
  const Lines log{Line({.ref = "89001"}), Line({.band = "10 Mhz", .ref = "01001"}), Line({.qsl = true, .ref = "77001"}),
                  Line({.band = "144 Mhz", .ref = "02001"})};
  const ContactedList hf = ListContacted(log, "HF");
  EXPECT_EQ(Refs(hf), (std::vector<std::string>{"77001", "89001"}));
  EXPECT_EQ(hf.listed, 2);
  EXPECT_EQ(hf.confirmed, 1);
  EXPECT_EQ(Refs(ListContacted(log, "VHF")), std::vector<std::string>{"02001"});
  EXPECT_EQ(ListContacted({Line({.band = "432 Mhz"})}, "UHF").listed, 1);
  const Lines corsica{Line({.ref = "2b001"}), Line({.ref = "2B002"}), Line({.ref = "2a001"})};
  EXPECT_EQ(Refs(ListContacted(corsica, "HF")), (std::vector<std::string>{"2a001", "2b001", "2B002"}));
}

TEST(ListContacted, UnknownGroupOrEmptyLogListsNothing) {
  const Lines log{Line({}), Line({.band = "10 Mhz"})};
  for (const char* group : {"", "hf", "10 Mhz", "XYZ"}) {
    const ContactedList list = ListContacted(log, group);
    EXPECT_TRUE(list.lines.empty()) << group;
    EXPECT_EQ(list.listed, 0);
  }
  EXPECT_TRUE(ListContacted({}, "HF").lines.empty());
}

TEST(SavedListFileName, CallGroupAndShortDate) {
  EXPECT_EQ(SavedListFileName("FXXXX", "HF", kFifthDecember), "FXXXX_Liste_Lavoirs_Bande_HF_05_12_26.txt");
  EXPECT_EQ(SavedListFileName("FXXXX", "VHF", {2027, 2, 1}), "FXXXX_Liste_Lavoirs_Bande_VHF_01_02_27.txt");
  EXPECT_EQ(SavedListFileName("F4ABC_P", "UHF", {2030, 11, 30}), "F4ABC_P_Liste_Lavoirs_Bande_UHF_30_11_30.txt");
  for (const char* group : {"../x", "a/b", "a\\b", "C:", "H\nF", "H\x7F"})
    EXPECT_FALSE(SavedListFileName("FXXXX", group, kFifthDecember)) << group;
}

// The whole file of a list is checked by ContactedListWindowTest::savesTheListByteForByte.
TEST(SavedListContent, AnEmptyListKeepsTitleHeaderAndAuthor) {
  EXPECT_EQ(SavedListContent("FXXXX", "VHF", {2027, 2, 1}, {}),
            " FXXXX Liste alphanumerique des Lavoirs contact\xE9s bande VHF au 01/02/2027\r\n\r\n"
            "   N\xB0   Ref        Nom du Lavoir                Date    Indicatif    QSL\r\n\r\n\r\n"
            "                        ORX_KMB - carnet de trafic du Diplome Kembaro\r\n");
}

TEST(PrintedListLines, IndentedNumberedLinesBetweenHeaderAndAuthor) {
  Lines list;
  for (int n = 0; n < 10; ++n) list.push_back(" 890" + std::to_string(10 + n));
  const Lines page = PrintedListLines("F4ABC", "HF", kFifthDecember, list);
  ASSERT_EQ(page.size(), 4u + 10u + 3u);
  EXPECT_EQ(page[0], "     F4ABC Liste alphanumerique des Lavoirs contact\xE9s bande HF au 05/12/2026");
  EXPECT_EQ(page[2], "        N\xB0  Ref         Nom du Lavoir               Date   Indicatif     QSL");
  EXPECT_EQ(page[4], "        1  89010");
  EXPECT_EQ(page[13], "       10  89019");
  EXPECT_EQ(Lines(page.begin() + 14, page.end()),
            (Lines{"", "", std::string(21, ' ') + "ORX_KMB - carnet de trafic du Diplome Kembaro"}));
}
