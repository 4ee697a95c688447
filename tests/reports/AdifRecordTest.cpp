#include <gtest/gtest.h>

#include "core/log/LogLine.h"
#include "core/reports/AdifRecord.h"

namespace {

using kmb::Bytes;

kmb::QsoRecord Paul() {
  return {"FXXXX", "89", "PAUL", "89001", "05/12/26", "09:07", "SSB", "14 Mhz", "59", "57", "", true};
}

Bytes AdifOf(const kmb::QsoRecord& r) { return kmb::AdifRecordOf(kmb::FormatLogLine(r)); }

}  // namespace

// Every record's shape (lengths, order, <eor>) for any line is the fuzz_adif target's.
TEST(AdifRecord, ThePaulExampleIsWrittenByteForByte) {
  EXPECT_EQ(AdifOf(Paul()),
            "<CALL:5>FXXXX <STATE:2>89 <NAME:4>PAUL <BAND:3>20m <MODE:3>SSB <QSO_DATE:8>20261205 "
            "<TIME_ON:4>0907 <RST_RCVD:2>59 <RST_SENT:2>57 <SIG:5>89001 <SIG_INFO:0> <QSL_RCVD:1>Y <eor>");
}

TEST(AdifRecord, LengthsCountBytesAndInnerBlanksStay) {
  kmb::QsoRecord r = Paul();
  r.prenom = "H\xC9L\xC8NE";                          // HÉLÈNE, one byte per letter
  r.nomLavoir = "LAVOIR  DU PR\xC9 DE LA FONTAINEX";  // 30 characters, a double blank and an accent
  r.dpt = "2a";
  r.ref = "2a001";
  r.qsl = false;
  EXPECT_EQ(AdifOf(r),
            "<CALL:5>FXXXX <STATE:2>2a <NAME:6>H\xC9L\xC8NE <BAND:3>20m <MODE:3>SSB <QSO_DATE:8>20261205 "
            "<TIME_ON:4>0907 <RST_RCVD:2>59 <RST_SENT:2>57 <SIG:5>2a001 "
            "<SIG_INFO:30>LAVOIR  DU PR\xC9 DE LA FONTAINEX <QSL_RCVD:1>N <eor>");
}

TEST(AdifRecord, EveryEntryBandGetsTheAdifBandOfItsFrequencyAndOthersNone) {
  std::string bands;
  for (const char* label : {"1.8 Mhz", "3.5 Mhz", "7.0 Mhz", "10 Mhz", "14 Mhz", "18 Mhz", "21 Mhz", "24 Mhz", "28 Mhz",
                            "50 Mhz", "144 Mhz", "432 Mhz", "14 MHz", "5 Mhz", "", "1296 Mh"})
    bands += kmb::AdifBand(label) + ",";
  EXPECT_EQ(bands, "160m,80m,40m,30m,20m,17m,15m,12m,10m,6m,2m,70cm,,,,,");
}

// Which dates and times are real is the date reader's test (LogRewriteTest).
TEST(AdifRecord, DatesTakeTheLogsCenturyAndMalformedDatesAndTimesAreLeftEmpty) {
  using Cases = std::vector<std::pair<const char*, const char*>>;
  for (const auto& [date, adif] : Cases{{"01/01/99", "19990101"},
                                        {"31/12/50", "19501231"},
                                        {"01/01/49", "20490101"},
                                        {"29/02/00", "20000229"},
                                        {"31/02/26", ""},
                                        {"", ""}})
    EXPECT_EQ(kmb::AdifDate(date), adif) << date;
  for (const auto& [time, adif] : Cases{{"00:00", "0000"}, {"23:59", "2359"}, {"25:99", ""}, {"", ""}})
    EXPECT_EQ(kmb::AdifTime(time), adif) << time;
}

TEST(AdifRecord, OnlyAStarInColumn107IsAReceivedQslAndAShortLineReadsAsBlank) {
  Bytes line = kmb::FormatLogLine(Paul());
  line[106] = 'x';
  EXPECT_NE(kmb::AdifRecordOf(line).find("<QSL_RCVD:1>N <eor>"), Bytes::npos);
  EXPECT_EQ(kmb::AdifRecordOf("F1ABC        89"),
            "<CALL:5>F1ABC <STATE:2>89 <NAME:0> <BAND:0> <MODE:0> <QSO_DATE:0> <TIME_ON:0> <RST_RCVD:0> "
            "<RST_SENT:0> <SIG:0> <SIG_INFO:0> <QSL_RCVD:1>N <eor>");
}
