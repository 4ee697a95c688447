#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "log/LogLine.h"
#include "reports/AdifRecord.h"

namespace {

using kmb::Bytes;

bool AllDigits(const std::string& text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

struct Field {
  std::string tag;
  Bytes value;
};

// Reads a record by the ADIF rules alone: "<TAG:length>" then exactly
// `length` bytes, fields apart by one blank, closed by "<eor>".
std::vector<Field> ParseAdifRecord(const Bytes& record) {
  std::vector<Field> fields;
  std::size_t at = 0;
  while (record.compare(at, 5, "<eor>") != 0) {
    if (record.at(at) != '<') throw std::runtime_error("field does not open with <");
    const std::size_t colon = record.find(':', at);
    const std::size_t close = record.find('>', colon);
    const std::string digits = record.substr(colon + 1, close - colon - 1);
    if (!AllDigits(digits) || (digits.size() > 1 && digits[0] == '0')) throw std::runtime_error("bad length " + digits);
    const std::size_t length = std::stoul(digits);
    fields.push_back({record.substr(at + 1, colon - at - 1), record.substr(close + 1, length)});
    at = close + 1 + length;
    if (record.at(at) != ' ') throw std::runtime_error("value longer than its length");
    ++at;
  }
  if (at + 5 != record.size()) throw std::runtime_error("text after <eor>");
  return fields;
}

Bytes ValueOf(const std::vector<Field>& fields, const std::string& tag) {
  for (const Field& f : fields)
    if (f.tag == tag) return f.value;
  throw std::runtime_error("no field " + tag);
}

kmb::QsoRecord Paul() {
  return {"FXXXX", "89", "PAUL", "89001", "05/12/26", "09:07", "SSB", "14 Mhz", "59", "57", "", true};
}

Bytes LineOf(kmb::QsoRecord r) { return kmb::FormatLogLine(r); }

kmb::QsoRecord WithBand(kmb::QsoRecord r, const char* band) {
  r.bande = band;
  return r;
}

bool IsValidDate(const Bytes& d) {
  if (d.size() != 8 || !AllDigits(d)) return false;
  const int year = std::stoi(d.substr(0, 4));
  const int month = std::stoi(d.substr(4, 2));
  const int day = std::stoi(d.substr(6, 2));
  static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return year >= 1930 && month >= 1 && month <= 12 && day >= 1 && day <= kDays[month - 1];
}

bool IsValidTime(const Bytes& t) {
  return t.size() == 4 && AllDigits(t) && std::stoi(t.substr(0, 2)) < 24 && std::stoi(t.substr(2, 2)) < 60;
}

const std::set<std::string> kAdifBands = {"2190m", "630m", "560m",  "160m", "80m",  "60m",  "40m", "30m",
                                          "20m",   "17m",  "15m",   "12m",  "10m",  "8m",   "6m",  "5m",
                                          "4m",    "2m",   "1.25m", "70cm", "33cm", "23cm", "13cm"};

}  // namespace

TEST(AdifRecord, ThePaulExampleIsWrittenByteForByte) {
  EXPECT_EQ(kmb::ADIF_SP(LineOf(Paul())),
            "<CALL:5>FXXXX <STATE:2>89 <NAME:4>PAUL <BAND:3>20m <MODE:3>SSB <QSO_DATE:8>20261205 "
            "<TIME_ON:4>0907 <RST_RCVD:2>59 <RST_SENT:2>57 <SIG:5>89001 <SIG_INFO:0> <QSL_RCVD:1>Y <eor>");
}

TEST(AdifRecord, FieldsComeInTheirOrderWithByteLengths) {
  kmb::QsoRecord r = Paul();
  r.prenom = "H\xC9L\xC8NE";                        // HÉLÈNE, one byte per letter
  r.nomLavoir = "LAVOIR DU PR\xC9 DE LA FONTAINE";  // inner blanks and an accent
  r.dpt = "2a";
  r.ref = "2a001";
  r.qsl = false;
  const auto fields = ParseAdifRecord(kmb::ADIF_SP(LineOf(r)));
  std::vector<std::string> tags;
  for (const Field& f : fields) tags.push_back(f.tag);
  EXPECT_EQ(tags, (std::vector<std::string>{"CALL", "STATE", "NAME", "BAND", "MODE", "QSO_DATE", "TIME_ON", "RST_RCVD",
                                            "RST_SENT", "SIG", "SIG_INFO", "QSL_RCVD"}));
  EXPECT_EQ(ValueOf(fields, "NAME"), "H\xC9L\xC8NE");
  EXPECT_EQ(ValueOf(fields, "SIG_INFO"), "LAVOIR DU PR\xC9 DE LA FONTAINE");
  EXPECT_EQ(ValueOf(fields, "STATE"), "2a");
  EXPECT_EQ(ValueOf(fields, "SIG"), "2a001");
  EXPECT_EQ(ValueOf(fields, "QSL_RCVD"), "N");
  EXPECT_NE(kmb::ADIF_SP(LineOf(r)).find("<NAME:6>H\xC9L\xC8NE "), Bytes::npos);
}

TEST(AdifRecord, AThirtyCharacterNameKeepsItsLengthAndBlanks) {
  kmb::QsoRecord r = Paul();
  r.nomLavoir = "LAVOIR  DE LA GRANDE FONTAINE";
  r.nomLavoir += "X";
  ASSERT_EQ(r.nomLavoir.size(), 30u);
  EXPECT_NE(kmb::ADIF_SP(LineOf(r)).find("<SIG_INFO:30>LAVOIR  DE LA GRANDE FONTAINEX <QSL_RCVD"), Bytes::npos);
}

TEST(AdifRecord, EveryEntryBandGetsTheAdifBandOfItsFrequency) {
  // ADIF band edges in MHz; a label's band is the one met by [label, label + 1).
  const std::vector<std::tuple<std::string, double, double>> edges = {
      {"160m", 1.8, 2.0},   {"80m", 3.5, 4.0},       {"40m", 7.0, 7.3},    {"30m", 10.1, 10.15},
      {"20m", 14.0, 14.35}, {"17m", 18.068, 18.168}, {"15m", 21.0, 21.45}, {"12m", 24.89, 24.99},
      {"10m", 28.0, 29.7},  {"6m", 50.0, 54.0},      {"2m", 144.0, 148.0}, {"70cm", 420.0, 450.0}};
  for (const char* label : {"1.8 Mhz", "3.5 Mhz", "7.0 Mhz", "10 Mhz", "14 Mhz", "18 Mhz", "21 Mhz", "24 Mhz", "28 Mhz",
                            "50 Mhz", "144 Mhz", "432 Mhz"}) {
    const double mhz = std::strtod(label, nullptr);
    std::string expected;
    for (const auto& [band, low, high] : edges)
      if (low < mhz + 1 && high >= mhz) expected = band;
    const auto fields = ParseAdifRecord(kmb::ADIF_SP(LineOf(WithBand(Paul(), label))));
    EXPECT_EQ(ValueOf(fields, "BAND"), expected) << label;
    EXPECT_TRUE(kAdifBands.count(ValueOf(fields, "BAND"))) << label;
  }
}

TEST(AdifRecord, UnknownBandLabelsGiveAnEmptyBand) {
  for (const char* label : {"14 MHz", "5 Mhz", "", "1296 Mh"}) {
    const Bytes record = kmb::ADIF_SP(LineOf(WithBand(Paul(), label)));
    EXPECT_NE(record.find(" <BAND:0> <MODE:3>SSB "), Bytes::npos) << label;
  }
}

TEST(AdifRecord, DatesTakeTheLogsCenturyAndMalformedDatesAndTimesAreLeftEmpty) {
  using Cases = std::vector<std::pair<const char*, const char*>>;
  for (const auto& [date, adif] : Cases{{"05/12/26", "20261205"}, {"01/01/99", "19990101"}, {"31/12/50", "19501231"},
                                        {"01/01/49", "20490101"}, {"29/02/00", "20000229"}, {"", ""},
                                        {"5/12/26", ""}, {"05-12-26", ""}, {"aa/12/26", ""}})
    EXPECT_EQ(kmb::AdifDate(date), adif) << date;
  for (const auto& [time, adif] : Cases{{"09:07", "0907"}, {"23:59", "2359"}, {"", ""}, {"9:07", ""}, {"09h07", ""}})
    EXPECT_EQ(kmb::AdifTime(time), adif) << time;
}

TEST(AdifRecord, DateAndTimeFieldsAreValidAdif) {
  for (const auto& [date, time] : std::vector<std::pair<const char*, const char*>>{
           {"01/01/99", "00:00"}, {"31/12/49", "23:59"}, {"15/07/14", "12:30"}}) {
    kmb::QsoRecord r = Paul();
    r.date = date;
    r.heure = time;
    const auto fields = ParseAdifRecord(kmb::ADIF_SP(LineOf(r)));
    EXPECT_TRUE(IsValidDate(ValueOf(fields, "QSO_DATE"))) << date;
    EXPECT_TRUE(IsValidTime(ValueOf(fields, "TIME_ON"))) << time;
  }
}

TEST(AdifRecord, OnlyAStarInColumn107IsAReceivedQsl) {
  Bytes line = LineOf(Paul());
  for (const auto& [mark, received] : {std::pair{'*', "Y"}, {'x', "N"}, {' ', "N"}}) {
    line[106] = mark;
    EXPECT_EQ(ValueOf(ParseAdifRecord(kmb::ADIF_SP(line)), "QSL_RCVD"), received) << mark;
  }
}

TEST(AdifRecord, AShortLineReadsAsBlankWhereItEnds) {
  EXPECT_EQ(kmb::ADIF_SP("F1ABC        89"),
            "<CALL:5>F1ABC <STATE:2>89 <NAME:0> <BAND:0> <MODE:0> <QSO_DATE:0> <TIME_ON:0> <RST_RCVD:0> "
            "<RST_SENT:0> <SIG:0> <SIG_INFO:0> <QSL_RCVD:1>N <eor>");
}
