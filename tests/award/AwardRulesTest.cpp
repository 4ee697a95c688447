#include <gtest/gtest.h>

#include "core/award/AwardRules.h"
#include "core/award/ContactedList.h"
#include "core/award/DepartmentShape.h"
#include "core/award/Diploma.h"
#include "core/award/DiplomaClaim.h"
#include "core/award/MapColouring.h"
#include "core/log/LogLine.h"
#include "support/TempFolder.h"

using namespace kmb;

namespace {

// Log lines built by the log's own formatter.
struct Qso {
  std::string dpt = "89";
  std::string band = "14 Mhz";
  bool qsl = false;
  std::string ref = "89001";
  std::string call = "F1AAA";
  std::string date = "05/12/26";
  std::string name = "LAVOIR DU PONT";
  std::string time = "09:07";
};

Bytes Line(const Qso& q) {
  return FormatLogLine({q.call, q.dpt, "JEAN", q.ref, q.date, q.time, "SSB", q.band, "59", "59", q.name, q.qsl});
}

const ClockReading kFifthDecember{2026, 12, 5, 10, 7, 3};

Bytes Confirmed(std::string dpt, std::string band = "14 Mhz") { return Line({.dpt = dpt, .band = band, .qsl = true}); }
Bytes Unconfirmed(std::string dpt, std::string band = "14 Mhz") { return Line({.dpt = dpt, .band = band}); }

}  // namespace

TEST(BandGroup, KnownLabelsTrimmedButOtherwiseComparedExactly) {
  for (const char* hf :
       {"1.8 Mhz", "3.5 Mhz", "7.0 Mhz", "14 Mhz", "18 Mhz", "21 Mhz", "24 Mhz", "28 Mhz", "50 Mhz", "  14 Mhz "})
    EXPECT_EQ(BandGroup(hf), "HF") << hf;
  EXPECT_EQ(BandGroup("144 Mhz"), "VHF");
  EXPECT_EQ(BandGroup("432 Mhz"), "UHF");
  for (const char* none : {"10 Mhz", "14 MHz", "14", ""}) EXPECT_EQ(BandGroup(none), "") << none;
}

// Each code's number, "-" for none.
std::string Numbers(DepartmentReading reading, std::initializer_list<const char*> codes) {
  std::string out;
  for (const char* code : codes) {
    const auto n = DepartmentNumber(code, reading);
    out += (n ? std::to_string(*n) : "-") + " ";
  }
  return out;
}

// Corsica is 96 and 97, a typed 96 or 97 none; scores read leading digits, the map a whole number to 99.
TEST(DepartmentNumber, CorsicaLeadingDigitsAndWholeNumbers) {
  for (auto reading : {DepartmentReading::LeadingDigits, DepartmentReading::WholeNumber})
    EXPECT_EQ(Numbers(reading, {"2A", "2a  ", "2B", "2b"}), "96 96 97 97 ");
  EXPECT_EQ(Numbers(DepartmentReading::LeadingDigits, {"89  ", "05", "2c", "7x", "20", "97", "98", "00", "xy", ""}),
            "89 5 2 7 20 - - - - - ");
  EXPECT_EQ(
      Numbers(DepartmentReading::WholeNumber, {"89", " 05 ", "00", "98", "99", "96", "100", "7x", "x7", "", "2c"}),
      "89 5 0 98 99 - - - - - - ");
}

TEST(CountGroup, ContactsConfirmedAndConfirmedDepartments) {
  EXPECT_TRUE(IsConfirmed('*') && !IsConfirmed(' ') && !IsConfirmed('x') && !IsConfirmed('\0'));
  // "2c" reads as department 2, already marked; "98" and "xx" mark nothing. A cut line keeps its band, not its QSL.
  const Lines odd{Confirmed("02"), Confirmed("2c"), Confirmed("98"), Confirmed("xx"), Confirmed("20")};
  const Lines cut{"", "F1AAA", Confirmed("89").substr(0, 70), Confirmed("89")};
  const Lines tenMhz{Confirmed("89"), Confirmed("77", "10 Mhz"), Confirmed("21")};
  const Lines hf1850{Confirmed("01", "18 Mhz"), Unconfirmed("02", "50 Mhz")};
  const Lines corsica{Confirmed("2A"), Confirmed("2a"), Confirmed("2B"), Confirmed("2b")};
  const std::vector<std::tuple<Lines, const char*, GroupCounts>> cases = {
      {{}, "HF", {0, 0, 0}},
      {{}, "VHF", {0, 0, 0}},
      {tenMhz, "HF", {2, 2, 2}},
      {tenMhz, "VHF", {0, 0, 0}},
      {{Confirmed("89")}, "", {0, 0, 0}},
      {hf1850, "HF", {2, 1, 1}},
      {hf1850, "VHF", {0, 0, 0}},
      {{Confirmed("89"), Confirmed("89"), Unconfirmed("89")}, "HF", {3, 2, 1}},
      {{Unconfirmed("89", "144 Mhz"), Confirmed("77", "144 Mhz")}, "VHF", {2, 1, 1}},
      {corsica, "HF", {4, 4, 2}},
      {odd, "HF", {5, 5, 2}},
      {cut, "HF", {2, 1, 1}},
  };
  for (const auto& [log, group, counts] : cases) EXPECT_EQ(CountGroup(log, group), counts) << log.size() << group;
}

// HF: 30 confirmed QSOs of the group; VHF: 10 on 144 MHz. Short of it, the number shown is how many miss.
TEST(Diploma, ReachedAtThirtyHfOrTenVhfConfirmationsOfItsGroupOnly) {
  for (const auto& [rule, confirmed, reached, shown] :
       std::vector<std::tuple<DiplomaRule, int, bool, int>>{{kHfDiploma, 0, false, 30},
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

// The QSOs the diploma counts, by day and time across 1999 and 2000; a time that cannot be read ends its
// day, a date that cannot be read (or a day that does not exist) puts the QSO last, in the log's order.
TEST(DiplomaClaim, TheDiplomasQsosOldestFirst) {
  const auto qso = [](std::string call, std::string date, std::string time, std::string band, bool qsl = true) {
    return Line({.band = band, .qsl = qsl, .call = call, .date = date, .time = time});
  };
  const Lines log{qso("F1AAA", "01/01/00", "10:00", "14 Mhz"),  qso("F1BBB", "31/12/99", "23:58", "14 Mhz", false),
                  qso("F1CCC", "xx/01/05", "08:00", "7.0 Mhz"), qso("F1DDD", "31/12/99", "23:59", "50 Mhz"),
                  qso("F1EEE", "01/01/00", "09:30", "432 Mhz"), qso("F1FFF", "01/01/00", "09:30", "144 Mhz"),
                  qso("F1GGG", "29/02/01", "07:00", "28 Mhz"),  qso("F1HHH", "01/01/00", "09:30", "18 Mhz"),
                  qso("F1III", "01/01/00", "09:30", "10 Mhz"),  qso("F1JJJ", "01/01/00", "24:00", "21 Mhz")};
  const auto calls = [&log](const DiplomaRule& rule) {
    std::string shown;
    for (const Bytes& line : ClaimedQsos(log, rule)) shown += Trim(log_columns::Indicatif(line)) + " ";
    return shown;
  };
  EXPECT_EQ(calls(kHfDiploma), "F1DDD F1HHH F1AAA F1JJJ F1CCC F1GGG ");
  EXPECT_EQ(calls(kVhfDiploma), "F1FFF ");
  EXPECT_EQ(ClaimFileStem("F4ABC_P", kVhfDiploma, kFifthDecember), "Demande_KMB_VHF_F4ABC_P_2026-12-05");
  EXPECT_EQ(ClaimFileStem("../F4/A.B\\C", kHfDiploma, kFifthDecember), "Demande_KMB_HF_F4ABC_2026-12-05");
  // A draft until the threshold, saying what it lacks.
  const Lines draft = ClaimPageLines("F4ABC", kHfDiploma, kFifthDecember, Lines(29, log[0]));
  EXPECT_EQ(Lines(draft.begin(), draft.begin() + 2),
            (Lines{"Brouillon", "Il manque 1 QSO confirm\xE9 pour atteindre les 30 du dipl\xF4me."}));
  EXPECT_EQ(ClaimPageLines("F4ABC", kHfDiploma, kFifthDecember, Lines(30, log[0])).front(),
            "Dipl\xF4me KMB HF : demande du 05/12/2026");
}

namespace {

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
  // An unknown group, or an empty log, lists nothing.
  for (const char* group : {"", "hf", "10 Mhz", "XYZ"})
    EXPECT_TRUE(ListContacted(log, group).lines.empty() && ListContacted(log, group).listed == 0) << group;
  EXPECT_TRUE(ListContacted({}, "HF").lines.empty());
}

TEST(SavedListFileName, CallGroupAndShortDate) {
  EXPECT_EQ(SavedListFileName("FXXXX", "HF", kFifthDecember), "FXXXX_Liste_Lavoirs_Bande_HF_05_12_26.txt");
  EXPECT_EQ(SavedListFileName("FXXXX", "VHF", {2027, 2, 1}), "FXXXX_Liste_Lavoirs_Bande_VHF_01_02_27.txt");
  EXPECT_EQ(SavedListFileName("F4ABC_P", "UHF", {2030, 11, 30}), "F4ABC_P_Liste_Lavoirs_Bande_UHF_30_11_30.txt");
  for (const char* group : {"../x", "a/b", "a\\b", "C:", "H\nF", "H\x7F"})
    EXPECT_FALSE(SavedListFileName("FXXXX", group, kFifthDecember)) << group;
}

// The whole file of a list is checked by AwardWindowsTest::savesTheListByteForByte.
TEST(SavedListContent, AnEmptyListKeepsTitleHeaderAndAuthor) {
  EXPECT_EQ(SavedListContent("FXXXX", "VHF", {2027, 2, 1}, {}),
            " FXXXX Liste alphanumerique des Lavoirs contact\xE9s bande VHF au 01/02/2027\r\n\r\n"
            "   N\xB0   Ref        Nom du Lavoir                Date    Indicatif    QSL\r\n\r\n\r\n"
            "                        ORX_KMB - carnet de trafic du Diplome Kembaro\r\n");
}

TEST(PrintedListLines, IndentedNumberedLinesBetweenHeaderAndAuthor) {
  Lines list;
  for (int n = 0; n < 10; ++n) list.push_back(" 890" + std::to_string(10 + n));
  EXPECT_EQ(JoinLines(PrintedListLines("F4ABC", "HF", kFifthDecember, list)), TestData("printed-list-hf.txt"));
}

// Relative moves, implicit lines, a second ring from the first's start, axis commands, a stop at curves.
TEST(SvgPath, EveryStraightLineCommand) {
  EXPECT_EQ(ParseSvgPathRings("m 10,20 5,0 0,5 -5,0 z"), (MapRings{{{10, 20}, {15, 20}, {15, 25}, {10, 25}}}));
  EXPECT_EQ(ParseSvgPathRings("m 10,10 4,0 z m 100,0 1,1 z"), (MapRings{{{10, 10}, {14, 10}}, {{110, 10}, {111, 11}}}));
  EXPECT_EQ(ParseSvgPathRings("M1 2L3 4H10V-2h1v1Z"),
            (MapRings{{{1, 2}, {3, 4}, {10, 4}, {10, -2}, {11, -2}, {11, -1}}}));
  EXPECT_TRUE(ParseSvgPathRings("").empty());
  EXPECT_EQ(ParseSvgPathRings("M0,0 L1,1 C 2,2 3,3 4,4"), (MapRings{{{0, 0}, {1, 1}}}));
  EXPECT_EQ(ParseSvgPathRings("M0,0 L1"), (MapRings{MapRing{MapPoint{0, 0}}}));
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

TEST(MapColouring, ConfirmedWinsInEitherOrderAndTwoUnconfirmedMakeOneBox) {
  const MapBoxes none = ColourMapBoxes({}, "HF");
  EXPECT_EQ(std::count(none.begin(), none.end(), BoxState::NotContacted), kMapBoxCount);
  EXPECT_EQ(CountMapBoxes(none).notContacted(), 96);
  for (const Lines& log : {Lines{Unconfirmed("89"), Confirmed("89")}, Lines{Confirmed("89"), Unconfirmed("89")}}) {
    const MapBoxes boxes = ColourMapBoxes(log, "HF");
    EXPECT_EQ(boxes[89], BoxState::Confirmed);
    EXPECT_EQ(CountMapBoxes(boxes), (MapCounts{1, 0, 1}));
  }
  const MapBoxes boxes = ColourMapBoxes({Unconfirmed("77"), Unconfirmed("77")}, "HF");
  EXPECT_EQ(boxes[77], BoxState::NotConfirmed);
  EXPECT_EQ(CountMapBoxes(boxes), (MapCounts{1, 1, 0}));
  EXPECT_EQ(CountMapBoxes(boxes).notContacted(), 95);
}

TEST(MapColouring, OnlyTheRequestedGroupColours) {
  const Lines log{Confirmed("01", "144 Mhz"), Confirmed("02", "432 Mhz"), Confirmed("03", "10 Mhz"),
                  Confirmed("04", "50 Mhz")};
  const MapBoxes hf = ColourMapBoxes(log, "HF");
  EXPECT_EQ(CountMapBoxes(hf), (MapCounts{1, 0, 1}));
  EXPECT_EQ(hf[4], BoxState::Confirmed);
  EXPECT_EQ(ColourMapBoxes(log, "VHF")[1], BoxState::Confirmed);
  EXPECT_EQ(ColourMapBoxes(log, "UHF")[2], BoxState::Confirmed);
  EXPECT_EQ(CountMapBoxes(ColourMapBoxes(log, "")), (MapCounts{0, 0, 0}));
}

// Boxes 20, 98 and 99 stand for no department but count; box 0 never does.
TEST(MapColouring, CorsicaOddCodesAndBoxesWithoutDepartment) {
  const Lines log{Confirmed("2A"), Unconfirmed("2b"), Confirmed("2c"),   Confirmed("7x"), Confirmed("100"),
                  Confirmed(""),   Confirmed("20"),   Unconfirmed("98"), Confirmed("99"), Confirmed("00")};
  const MapBoxes boxes = ColourMapBoxes(log, "HF");
  EXPECT_EQ(boxes[96], BoxState::Confirmed);
  EXPECT_EQ(boxes[97], BoxState::NotConfirmed);
  EXPECT_EQ(boxes[2], BoxState::NotContacted);
  EXPECT_EQ(boxes[7], BoxState::NotContacted);
  EXPECT_EQ(boxes[0], BoxState::Confirmed);
  EXPECT_EQ(CountMapBoxes(boxes), (MapCounts{5, 2, 3}));
  EXPECT_EQ(CountMapBoxes(boxes).notContacted(), 91);
}

TEST(MapBoxText, CodesOfEveryKindOfBox) {
  std::string texts;
  for (int index : {1, 9, 29, 95, 96, 97, 0, 20, 98, 99}) texts += MapBoxText(index) + " ";
  EXPECT_EQ(texts, "01 09 29 95 2a 2b 00 X X X ");
}
