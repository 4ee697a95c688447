#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/log/LogLine.h"
#include "core/reports/AdifRecord.h"

namespace {

using kmb::Bytes;
using Field = std::pair<std::string, Bytes>;

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
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos ||
        (digits.size() > 1 && digits[0] == '0'))
      throw std::runtime_error("bad length " + digits);
    const std::size_t length = std::stoul(digits);
    fields.emplace_back(record.substr(at + 1, colon - at - 1), record.substr(close + 1, length));
    at = close + 1 + length;
    if (record.at(at) != ' ') throw std::runtime_error("value longer than its length");
    ++at;
  }
  if (at + 5 != record.size()) throw std::runtime_error("text after <eor>");
  return fields;
}

Bytes ValueOf(const Bytes& record, const std::string& tag) {
  for (const auto& [t, value] : ParseAdifRecord(record))
    if (t == tag) return value;
  throw std::runtime_error("no field " + tag);
}

kmb::QsoRecord Paul() {
  return {"FXXXX", "89", "PAUL", "89001", "05/12/26", "09:07", "SSB", "14 Mhz", "59", "57", "", true};
}

Bytes AdifOf(const kmb::QsoRecord& r) { return kmb::AdifRecordOf(kmb::FormatLogLine(r)); }

}  // namespace

TEST(AdifRecord, ThePaulExampleIsWrittenByteForByte) {
  EXPECT_EQ(AdifOf(Paul()),
            "<CALL:5>FXXXX <STATE:2>89 <NAME:4>PAUL <BAND:3>20m <MODE:3>SSB <QSO_DATE:8>20261205 "
            "<TIME_ON:4>0907 <RST_RCVD:2>59 <RST_SENT:2>57 <SIG:5>89001 <SIG_INFO:0> <QSL_RCVD:1>Y <eor>");
}

TEST(AdifRecord, FieldsComeInTheirOrderWithByteLengths) {
  kmb::QsoRecord r = Paul();
  r.prenom = "H\xC9L\xC8NE";                          // HÉLÈNE, one byte per letter
  r.nomLavoir = "LAVOIR  DU PR\xC9 DE LA FONTAINEX";  // 30 characters, a double blank and an accent
  r.dpt = "2a";
  r.ref = "2a001";
  r.qsl = false;
  std::vector<std::string> tags;
  for (const auto& [tag, value] : ParseAdifRecord(AdifOf(r))) tags.push_back(tag);
  EXPECT_EQ(tags, (std::vector<std::string>{"CALL", "STATE", "NAME", "BAND", "MODE", "QSO_DATE", "TIME_ON", "RST_RCVD",
                                            "RST_SENT", "SIG", "SIG_INFO", "QSL_RCVD"}));
  EXPECT_EQ(ValueOf(AdifOf(r), "NAME"), "H\xC9L\xC8NE");
  EXPECT_EQ(ValueOf(AdifOf(r), "SIG_INFO"), "LAVOIR  DU PR\xC9 DE LA FONTAINEX");
  EXPECT_EQ(ValueOf(AdifOf(r), "STATE"), "2a");
  EXPECT_EQ(ValueOf(AdifOf(r), "SIG"), "2a001");
  EXPECT_EQ(ValueOf(AdifOf(r), "QSL_RCVD"), "N");
}

TEST(AdifRecord, EveryEntryBandGetsTheAdifBandOfItsFrequencyAndOthersNone) {
  kmb::QsoRecord r = Paul();
  for (const auto& [label, band] : std::vector<std::pair<const char*, const char*>>{{"1.8 Mhz", "160m"},
                                                                                    {"3.5 Mhz", "80m"},
                                                                                    {"7.0 Mhz", "40m"},
                                                                                    {"10 Mhz", "30m"},
                                                                                    {"14 Mhz", "20m"},
                                                                                    {"18 Mhz", "17m"},
                                                                                    {"21 Mhz", "15m"},
                                                                                    {"24 Mhz", "12m"},
                                                                                    {"28 Mhz", "10m"},
                                                                                    {"50 Mhz", "6m"},
                                                                                    {"144 Mhz", "2m"},
                                                                                    {"432 Mhz", "70cm"},
                                                                                    {"14 MHz", ""},
                                                                                    {"5 Mhz", ""},
                                                                                    {"", ""},
                                                                                    {"1296 Mh", ""}}) {
    r.bande = label;
    EXPECT_EQ(ValueOf(AdifOf(r), "BAND"), band) << label;
  }
}

TEST(AdifRecord, DatesTakeTheLogsCenturyAndMalformedDatesAndTimesAreLeftEmpty) {
  using Cases = std::vector<std::pair<const char*, const char*>>;
  for (const auto& [date, adif] : Cases{{"05/12/26", "20261205"},
                                        {"01/01/99", "19990101"},
                                        {"31/12/50", "19501231"},
                                        {"01/01/49", "20490101"},
                                        {"31/12/49", "20491231"},
                                        {"29/02/00", "20000229"},
                                        {"31/02/26", ""},
                                        {"29/02/25", ""},
                                        {"", ""},
                                        {"5/12/26", ""},
                                        {"05-12-26", ""},
                                        {"aa/12/26", ""}})
    EXPECT_EQ(kmb::AdifDate(date), adif) << date;
  for (const auto& [time, adif] : Cases{{"09:07", "0907"},
                                        {"00:00", "0000"},
                                        {"23:59", "2359"},
                                        {"25:99", ""},
                                        {"", ""},
                                        {"9:07", ""},
                                        {"09h07", ""}})
    EXPECT_EQ(kmb::AdifTime(time), adif) << time;
}

TEST(AdifRecord, OnlyAStarInColumn107IsAReceivedQsl) {
  Bytes line = kmb::FormatLogLine(Paul());
  for (const auto& [mark, received] : {std::pair{'*', "Y"}, {'x', "N"}, {' ', "N"}}) {
    line[106] = mark;
    EXPECT_EQ(ValueOf(kmb::AdifRecordOf(line), "QSL_RCVD"), received) << mark;
  }
}

TEST(AdifRecord, AShortLineReadsAsBlankWhereItEnds) {
  EXPECT_EQ(kmb::AdifRecordOf("F1ABC        89"),
            "<CALL:5>F1ABC <STATE:2>89 <NAME:0> <BAND:0> <MODE:0> <QSO_DATE:0> <TIME_ON:0> <RST_RCVD:0> "
            "<RST_SENT:0> <SIG:0> <SIG_INFO:0> <QSL_RCVD:1>N <eor>");
}
