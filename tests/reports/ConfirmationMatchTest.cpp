#include <gtest/gtest.h>

#include "core/log/LogLine.h"
#include "core/log/LogRewrite.h"
#include "core/reports/ConfirmationMatch.h"

using namespace kmb;

namespace {

Bytes Qso(const char* call, const char* date, const char* time, const char* band, const char* mode, bool qsl = false) {
  return FormatLogLine({call, "89", "", "89001", date, time, mode, band, "59", "59", "", qsl});
}

const Lines kLog{
    Qso("F1ABC", "05/12/26", "10:00", "14 Mhz", "SSB"),         // 0
    Qso("F1ABC", "05/12/26", "10:40", "14 Mhz", "CW"),          // 1
    Qso("F1ABC", "05/12/26", "10:00", "7.0 Mhz", "SSB", true),  // 2
    Qso("F5XYZ", "31/12/26", "23:50", "14 Mhz", "FT8"),         // 3
    Qso("F6AAA", "06/12/26", "12:00", "14 Mhz", "SSB"),         // 4
    Qso("F6AAA", "06/12/26", "12:20", "14 Mhz", "SSB"),         // 5
    Qso("F2DUP", "07/12/26", "08:00", "21 Mhz", "SSB"),         // 6
    Qso("F2DUP", "07/12/26", "08:00", "21 Mhz", "SSB"),         // 7
    Qso("F2DUP", "07/12/26", "08:00", "21 Mhz", "CW"),          // 8
};

enum class Found { ToConfirm, Already, NotInLog, Ambiguous, Ignored };

struct Case {
  const char* what;
  const char* record;
  Found found;
  std::vector<std::size_t> lines{};
};

const Case kCases[] = {
    {"call in small letters",
     "<call:5>f1abc <qso_date:8>20261205 <time_on:4>1000 <band:3>20m <mode:3>SSB",
     Found::ToConfirm,
     {0}},
    {"30 minutes away",
     "<call:5>F1ABC <qso_date:8>20261205 <time_on:4>1030 <band:3>20M <mode:3>USB",
     Found::ToConfirm,
     {0}},
    {"31 minutes away", "<call:5>F1ABC <qso_date:8>20261205 <time_on:4>0929 <band:3>20m <mode:3>SSB", Found::NotInLog},
    {"mode group differs", "<call:5>F1ABC <qso_date:8>20261205 <time_on:4>1000 <band:3>20m <mode:2>CW",
     Found::NotInLog},
    {"no mode: nearest of any mode",
     "<call:5>F1ABC <qso_date:8>20261205 <time_on:4>1031 <band:3>20m",
     Found::ToConfirm,
     {1}},
    {"six digits",
     "<call:5>F1ABC <qso_date:8>20261205 <time_on:6>103959 <band:3>20m <mode:2>CW",
     Found::ToConfirm,
     {1}},
    {"band from FREQ, confirmed",
     "<call:5>F1ABC <qso_date:8>20261205 <time_on:4>1000 <freq:5>7.050",
     Found::Already,
     {2}},
    {"band differs", "<call:5>F1ABC <qso_date:8>20261205 <time_on:4>1000 <band:3>15m", Found::NotInLog},
    {"another day", "<call:5>F1ABC <qso_date:8>20261204 <time_on:4>1000 <band:3>20m", Found::NotInLog},
    {"across midnight, data modes",
     "<call:5>F5XYZ <qso_date:8>20270101 <time_on:4>0010 <band:3>20m <mode:4>MFSK <submode:3>FT4",
     Found::ToConfirm,
     {3}},
    {"equally near", "<call:5>F6AAA <qso_date:8>20261206 <time_on:4>1210 <band:3>20m <mode:3>SSB", Found::Ambiguous},
    {"nearest wins",
     "<call:5>F6AAA <qso_date:8>20261206 <time_on:4>1211 <band:3>20m <mode:3>SSB",
     Found::ToConfirm,
     {5}},
    {"equal lines are one QSO",
     "<call:5>F2DUP <qso_date:8>20261207 <time_on:4>0800 <band:3>15m <mode:3>SSB",
     Found::ToConfirm,
     {6, 7}},
    {"equal lines and another one", "<call:5>F2DUP <qso_date:8>20261207 <time_on:4>0800 <band:3>15m", Found::Ambiguous},
    {"unknown call", "<call:5>F9ZZZ <qso_date:8>20261205 <time_on:4>1000 <band:3>20m", Found::NotInLog},
};

Found Outcome(const ConfirmationMatch& m, std::vector<std::size_t>& lines) {
  if (!m.toConfirm.empty()) lines = m.toConfirm;
  if (!m.alreadyConfirmed.empty()) lines = m.alreadyConfirmed;
  if (!m.toConfirm.empty()) return Found::ToConfirm;
  if (!m.alreadyConfirmed.empty()) return Found::Already;
  if (!m.notInLog.empty()) return Found::NotInLog;
  if (!m.ambiguous.empty()) return Found::Ambiguous;
  return Found::Ignored;
}

}  // namespace

TEST(ConfirmationMatch, EachRuleOnItsOwnRecord) {
  for (const Case& c : kCases) {
    const ConfirmationMatch m = MatchConfirmations(ReadAdif(std::string(c.record) + " <qsl_rcvd:1>Y <eor>"), kLog);
    std::vector<std::size_t> lines;
    EXPECT_EQ(Outcome(m, lines), c.found) << c.what;
    EXPECT_EQ(lines, c.lines) << c.what;
  }
}

// Only Y and V of the three received flags confirm; a record of another
// kind is counted apart and never looked for.
TEST(ConfirmationMatch, OnlyReceivedFlagsConfirm) {
  const std::string qso = "<call:5>F1ABC <qso_date:8>20261205 <time_on:4>1000 <band:3>20m ";
  const ConfirmationMatch m = MatchConfirmations(
      ReadAdif(qso + "<qsl_rcvd:1>N <qsl_sent:1>Y <eor>" + qso + "<lotw_qsl_rcvd:1>R <eor>" + qso +
               "<eqsl_qsl_rcvd:1>v <eor>" + qso + "<LOTW_QSL_RCVD:1>Y <eor><call:5>F9ZZZ <qsl_rcvd:1>I <eor>"),
      kLog);
  EXPECT_EQ(m.notConfirming, 3u);
  EXPECT_EQ(m.toConfirm, std::vector<std::size_t>{0});  // twice confirmed, marked once
  EXPECT_TRUE(m.notInLog.empty());
}

// A confirmation service's status report and a logbook site's export, as they
// come: headers, extra fields, their own cases; what is not in the log is
// named as the log writes it.
TEST(ConfirmationMatch, ReportsOfConfirmationServices) {
  const std::string serviceReport =
      "ARRL Logbook of the World Status Report\nGenerated at 2026-12-07 10:12:31\nfor f4abc\n"
      "Query:\n    QSL ONLY: YES\n\n<PROGRAMID:4>LoTW\n<APP_LoTW_LASTQSL:19>2026-12-06 22:10:05\n"
      "<APP_LoTW_NUMREC:1>2\n\n<eoh>\n\n"
      "<APP_LoTW_OWNCALL:5>F4ABC\n<STATION_CALLSIGN:5>F4ABC\n<CALL:5>F5XYZ\n<BAND:3>20M\n<FREQ:8>14.07400\n"
      "<MODE:3>FT8\n<APP_LoTW_MODEGROUP:4>DATA\n<QSO_DATE:8>20270101\n<TIME_ON:6>001500\n"
      "<QSL_RCVD:1>Y\n<QSLRDATE:8>20270102\n<eor>\n\n"
      "<APP_LoTW_OWNCALL:5>F4ABC\n<CALL:5>EA3XX\n<BAND:3>40M\n<MODE:2>CW\n<QSO_DATE:8>20261201\n"
      "<TIME_ON:6>195959\n<QSL_RCVD:1>Y\n<eor>\n";
  const ConfirmationMatch lotw = MatchConfirmations(ReadAdif(serviceReport), kLog);
  EXPECT_EQ(lotw.toConfirm, std::vector<std::size_t>{3});
  ASSERT_EQ(lotw.notInLog.size(), 1u);
  const ConfirmingRecord& named = lotw.notInLog[0];
  EXPECT_EQ(named.call + " " + named.date + " " + named.time + " " + named.band, "EA3XX 01/12/26 19:59 7.0 Mhz");

  const std::string siteExport =
      "QRZ Logbook download for f4abc\r\n<adif_ver:5>3.1.1<programid:10>QRZLogbook<eoh>\r\n"
      "<app_qrzlog_logid:9>987654321<call:5>F6AAA<freq:6>14.255<mode:3>SSB<qso_date:8>20261206"
      "<time_on:4>1205<app_qrzlog_status:1>C<lotw_qsl_rcvd:1>N<eqsl_qsl_rcvd:1>Y<eor>\r\n"
      "<app_qrzlog_logid:9>987654322<call:5>F1ABC<freq:5>7.050<mode:3>LSB<qso_date:8>20261205"
      "<time_on:4>1001<lotw_qsl_rcvd:1>Y<eor>\r\n";
  const ConfirmationMatch site = MatchConfirmations(ReadAdif(siteExport), kLog);
  EXPECT_EQ(site.toConfirm, std::vector<std::size_t>{4});
  EXPECT_EQ(site.alreadyConfirmed, std::vector<std::size_t>{2});
}

// Only the QSL column changes; a short line is padded up to it.
TEST(ConfirmationMatch, MarkingChangesTheQslColumnAlone) {
  const Lines marked = MarkQslReceivedAt({kLog[0], kLog[1], "F1SHORT"}, {0, 2, 9});
  EXPECT_EQ(marked[0], kLog[0].substr(0, 106) + "*");
  EXPECT_EQ(marked[1], kLog[1]);
  EXPECT_EQ(marked[2], "F1SHORT" + std::string(99, ' ') + "*");
}
