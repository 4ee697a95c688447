#include <gtest/gtest.h>

#include "core/log/Bands.h"
#include "core/log/FirstNameList.h"
#include "core/log/LogLine.h"
#include "core/log/LogRewrite.h"
#include "core/reports/AdifExport.h"
#include "core/reports/AdifImport.h"

using namespace kmb;

namespace {

Bytes Qso(const char* call, const char* dpt, const char* prenom, const char* ref, const char* date, const char* band,
          bool qsl, const char* lavoir = "", const char* time = "10:00", const char* mode = "SSB") {
  return FormatLogLine({call, dpt, prenom, ref, date, time, mode, band, "59", "579", lavoir, qsl});
}

ImportPlan Plan(std::string_view adif, const Lines& log = {}) { return PlanImport(ReadAdif(adif), log); }

}  // namespace

// The program's own export, read back into an empty log of the station,
// gives the log back byte for byte; a second import adds nothing.
TEST(AdifImport, OwnExportComesBackByteForByte) {
  Lines log{Qso("F1AAA", "89", "H\xC9L\xC8NE", "89001", "31/12/99", "1.8 Mhz", true, "LAVOIR DE L'\xCELE"),
            Qso("F1AAB", "2a", "", "2a001", "01/01/00", "3.5 Mhz", false, "", "00:00", "CW")};
  for (std::size_t i = 0; i < kBands.size(); ++i) {
    const std::string date = std::to_string(10 + i) + "/06/26";
    log.push_back(Qso("F5ZZ", "2b", "JOS\xC9", "2b007", date.c_str(), std::string(kBands[i].label).c_str(), i % 2,
                      "GRAND LAVOIR", "23:59", "FM"));
  }
  const AdifFile file = ReadAdif(AdifFileText("F4KMB", log));
  const ImportPlan plan = PlanImport(file, {});
  EXPECT_TRUE(plan.refused.empty());
  EXPECT_EQ(InsertLinesByDate({}, plan.toAdd), log);
  const ImportPlan again = PlanImport(file, log);
  EXPECT_TRUE(again.toAdd.empty());
  EXPECT_EQ(again.alreadyInLog.size(), log.size());
}

// Another logger's manner: a header, lower-case tags, SIG "kmb" and "2B-004", FREQ
// without BAND, SSB with its sideband, six-digit times, UTF-8 accents with
// lengths in bytes in one record and in characters in the next.
TEST(AdifImport, AnotherLoggersFileMapsFieldByField) {
  const std::string adif =
      "Journal export\xC3\xA9 par un autre carnet\r\n<ADIF_VER:5>3.1.4 <programid:6>Autre1 <EOH>\r\n"
      "<call:6>f4abcd <qso_date:8>20261205 <time_on:6>093512 <freq:6>14.250 <mode:3>SSB <submode:3>USB "
      "<rst_rcvd:2>59 <rst_sent:3>579 <name:8>H\xC3\xA9l\xC3\xA8ne <state:2>2B <sig:3>kmb <sig_info:6>2B-004 "
      "<qsl_rcvd:1>y <EoR>\r\n"
      "<CALL:6>EA3XYZ <QSO_DATE:8>19990101 <TIME_ON:4>2359 <BAND:3>40M <MODE:2>CW <RST_RCVD:3>599 <RST_SENT:3>599 "
      "<NAME:4>Jos\xC3\xA9 <SIG:5>89001 <SIG_INFO:14>Lavoir du pont <QSL_RCVD:1>N <eor>\r\n"
      "<call:5>F1AAA <qso_date:8>20261205 <time_on:4>0935 <band:3>20m <mode:3>SSB <sig:4>POTA <eor>\r\n"
      "<call:5>F1BBB <qso_date:8>20261205 <time_on:4>0935 <band:3>20m <mode:4>RTTY <sig:5>89002 <eor>\r\n"
      "<call:6>F4ABCD <qso_date:8>20261205 <time_on:4>0935 <band:3>20m <mode:3>SSB <sig:5>89003 <eor>\r\n";
  const ImportPlan plan = Plan(adif);
  ASSERT_EQ(plan.toAdd.size(), 2u);
  EXPECT_EQ(plan.toAdd[0],
            "F4ABCD       2b   H\xC9L\xC8NE          2b004 05/12/26 09:35 SSB 14 Mhz  59  579                          "
            "      *");
  EXPECT_EQ(plan.toAdd[1],
            "EA3XYZ            JOS\xC9            89001 01/01/99 23:59 CW  7.0 Mhz 599 599 LAVOIR DU PONT              "
            "    ");
  EXPECT_EQ(plan.firstNameLines[1], "F4ABCD       2b H\xC9L\xC8NE");  // after the older QSO's
  ASSERT_EQ(plan.refused.size(), 2u);
  EXPECT_EQ(plan.refused[0].number, 3u);
  EXPECT_EQ(plan.refused[0].reason, "pas de référence KMB : \"POTA\"");
  EXPECT_EQ(plan.refused[1].reason, "mode de plus de 3 caractères");
  EXPECT_EQ(plan.alreadyInLog.size(), 1u);  // the same call, date, time and band as the first
}

TEST(AdifImport, EachRefusalSaysWhy) {
  const std::string good = "<qso_date:8>20261205 <time_on:4>0935 <band:3>20m <mode:3>SSB <sig:5>89001 ";
  const std::pair<std::string, std::string> cases[] = {
      {"<call:0> " + good, "pas d'indicatif"},
      {"<call:13>F4ABC/P/QRP12 " + good, "indicatif de plus de 12 caractères"},
      {"<call:5>F4ABC <qso_date:8>20260231 <time_on:4>0935 <band:3>20m <mode:3>SSB <sig:5>89001 ",
       "date absente ou impossible (de 1950 à 2049)"},
      {"<call:5>F4ABC <qso_date:8>20510101 <time_on:4>0935 <band:3>20m <mode:3>SSB <sig:5>89001 ",
       "date absente ou impossible (de 1950 à 2049)"},
      {"<call:5>F4ABC <qso_date:8>20261205 <time_on:4>2460 <band:3>20m <mode:3>SSB <sig:5>89001 ",
       "heure absente ou impossible"},
      {"<call:5>F4ABC <qso_date:8>20261205 <time_on:4>0935 <band:4>23cm <freq:4>14.1 <mode:3>SSB <sig:5>89001 ",
       "bande que le log ne connaît pas"},
      {"<call:5>F4ABC " + good + "<rst_sent:4>5999 ", "report de plus de 3 caractères"},
      {"<call:5>F4ABC <qso_date:8>20261205 <time_on:4>0935 <band:3>20m <mode:3>SSB <sig:3>KMB <sig_info:6>089001 ",
       "pas de référence KMB : \"089001\""},
      {"<call:5>F4ABC <qso_date:8>20261205 <time_on:4>0935 <band:3>20m <mode:3>SSB <sig:5>96001 ",
       "pas de référence KMB : \"96001\""},
      {"<call:5>F4ABC <qso_date:8>20261205 <time_on:4>0935 <band:3>20m <mode:3>SSB <sig:3>KMB <sig_info:5>99001 ",
       "pas de référence KMB : \"99001\""},
      {"<call:5>F4ABC " + good + "<name:10>Jean", "enregistrement coupé par la fin du fichier"},
  };
  for (const auto& [record, reason] : cases) {
    const ImportPlan plan = Plan(record + "<eor>");
    ASSERT_EQ(plan.refused.size(), 1u) << record;
    EXPECT_EQ(plan.refused[0].reason, reason) << record;
  }
  const ImportPlan cut = Plan("<call:5>F4ABC " + good + "<eor><call:5>F5ABC " + good + "<name:9>Jean");
  ASSERT_TRUE(cut.toAdd.size() == 1 && cut.refused.size() == 1);
  EXPECT_TRUE(cut.refused[0].number == 2 && cut.refused[0].call == "F5ABC");
}

// Other loggers' habits: lengths that take in a line break, empty fields, decimal commas, sidebands and
// submodes, QSL "V", STATE outside France. Each record alone; those without reports are counted.
TEST(AdifImport, OtherLoggersHabitsGiveCleanLines) {
  const struct {
    std::string record;
    Bytes line, firstName;
  } cases[] = {
      {"<call:7>F5ABC\r\n<name:10>Jean\tLuc\r\n<band:3>20m <mode:3>SSB <rst_rcvd:2>59 <rst_sent:2>57 ",
       "F5ABC             JEAN LUC        89001 05/12/26 09:35 SSB 14 Mhz  59  57                                  ",
       "F5ABC           JEAN LUC"},
      {"<call:5>F5ABD <band:0><freq:6>14.074 <mode:3>SSB <rst_rcvd:2>59 <rst_sent:0> <state:2>pa ",
       "F5ABD                             89001 05/12/26 09:35 SSB 14 Mhz  59                                      ",
       "F5ABD           "},
      {"<call:5>F5ABE <freq:6>7,0125 <mode:2>CW <state:2>NY ",
       "F5ABE                             89001 05/12/26 09:35 CW  7.0 Mhz                                         ",
       "F5ABE           "},
      {"<call:5>F5ABF <band:3>40m <mode:3>LSB <state:2>96 ",
       "F5ABF                             89001 05/12/26 09:35 SSB 7.0 Mhz                                         ",
       "F5ABF           "},
      {"<call:5>F5ABG <band:3>20m <mode:4>MFSK <submode:3>FT4 <state:2>2A <rst_rcvd:3>-10 <rst_sent:3>+02 ",
       "F5ABG        2a                   89001 05/12/26 09:35 FT4 14 Mhz  -10 +02                                 ",
       "F5ABG        2a "},
      {"<call:5>F5ABH <band:3>20m <mode:3>USB <qsl_rcvd:1>V <state:2>01 ",
       "F5ABH        01                   89001 05/12/26 09:35 SSB 14 Mhz                                         *",
       "F5ABH        01 "},
  };
  std::size_t withoutReports = 0;
  for (const auto& c : cases) {
    const ImportPlan plan = Plan(c.record + "<qso_date:8>20261205 <time_on:4>0935 <sig:5>89001 <eor>\r\n");
    EXPECT_EQ(plan.toAdd, Lines{c.line}) << c.record;
    EXPECT_EQ(plan.firstNameLines, Lines{c.firstName}) << c.record;
    withoutReports += plan.withoutReports;
  }
  EXPECT_EQ(withoutReports, 4u);
}

TEST(AdifReader, WindowsFilesNonAdifAndEmptyFiles) {
  const AdifFile windows = ReadAdif("<name:6>H\xC9L\xC8NE<eor>");  // accented bytes are no UTF-8
  EXPECT_EQ(windows.records.at(0).value("name"), "H\xC9L\xC8NE");
  EXPECT_FALSE(ReadAdif("Indicatif;Date;Heure\r\nF4ABC;05/12/26;09:07\r\n").isAdif);
  const AdifFile headerOnly = ReadAdif("Rien\r\n<adif_ver:5>3.1.4<eoh>\r\n");
  EXPECT_TRUE(headerOnly.records.empty());
  const AdifFile blanked = ReadAdif(
      "<band:0><name:11>\tJEAN\x7F"
      "LUC\r\n<eor>");  // control bytes as blanks
  EXPECT_TRUE(blanked.records.at(0).size() == 1 && blanked.records.at(0).value("name") == "JEAN LUC");
}

// Files as they come: a last record without <eor> or cut by the end of the file, UTF-16 with or without its
// mark, UTF-8 with stray Windows-1252 values, a lone "<" in a header's free text. Each record as "call name;".
TEST(AdifReader, FilesAsTheyCome) {
  const auto utf16 = [](std::u16string_view text, bool littleEndian, bool mark) {
    std::string bytes = mark ? (littleEndian ? "\xFF\xFE" : "\xFE\xFF") : "";
    for (const char16_t unit : text) {
      const char low = static_cast<char>(unit & 0xFF), high = static_cast<char>(unit >> 8);
      bytes += littleEndian ? std::string{low, high} : std::string{high, low};
    }
    return bytes;
  };
  const std::u16string wide = u"<call:5>F4ABC <name:6>Jérôme <eor>\r\n<call:5>F5ABC <name:3>Zoé";
  const std::pair<std::string, std::string> cases[] = {
      {"<call:5>F4ABC <eor> <call:5>F5ABC <name:4>Jean\r\n", "F4ABC ;F5ABC Jean;"},
      {"<call:5>F4ABC <eor> <call:5>F5ABC <name:6>Jean", "F4ABC ;coupé F5ABC"},
      {"<call:5>F4ABC <eor> <call:5>F5ABC <name", "F4ABC ;coupé F5ABC"},
      {utf16(wide, true, true), "F4ABC J\xE9r\xF4me;F5ABC Zo\xE9;"},
      {utf16(wide, false, true), "F4ABC J\xE9r\xF4me;F5ABC Zo\xE9;"},
      {utf16(wide, true, false), "F4ABC J\xE9r\xF4me;F5ABC Zo\xE9;"},
      {utf16(wide, false, false), "F4ABC J\xE9r\xF4me;F5ABC Zo\xE9;"},
      {"<call:5>F4ABC <name:6>J\xC3\xA9r\xC3\xB4me <eor><call:5>F5ABC <name:5>Andr\xE9 <eor>",
       "F4ABC J\xE9r\xF4me;F5ABC Andr\xE9;"},
      {"Fichier du concours, score <1000 points\r\n<call:5>F4ABC <eor>", "F4ABC ;"},
  };
  for (const auto& [adif, expected] : cases) {
    const AdifFile file = ReadAdif(adif);
    std::string read;
    for (const AdifFields& r : file.records) read += Bytes(r.value("call")) + " " + Bytes(r.value("name")) + ";";
    if (file.cut) read += "coupé " + Bytes(file.cut->value("call"));
    EXPECT_EQ(read, expected) << adif;
  }
  EXPECT_EQ(ReadAdif("<call:1>A <name:4>\x81\x8D\x90\x9D <eor>").records.at(0).value("name"), "????");
  EXPECT_EQ(ReadAdif("<adif_ver:5>3.1.4 score <1000 points <eoh> <call:5>F4ABC <eor>").records.at(0).size(), 1u);
}

// A QSO without a first name or a French department blanks neither in the list; the latest QSO that gives
// one wins, whatever the file's order; a call sign the QSOs change nothing of keeps its line as it was.
TEST(AdifImport, TheLatestQsoGivesTheFirstNameAndNoneErasesIt) {
  const auto qso = [](const char* call, const char* date, const char* time, const std::string& more) {
    return "<call:5>" + std::string(call) + " <qso_date:8>" + date + " <time_on:4>" + time +
           " <band:3>20m <mode:2>CW <sig:5>89001 " + more + "<eor>\r\n";
  };
  const ImportPlan plan =
      Plan(qso("F6OLD", "20261206", "0900", "<name:4>Marc <state:2>NY ") +
           qso("F6OLD", "20261206", "0800", "<name:4>Jean <state:2>75 ") + qso("F4NEW", "20261201", "0800", "") +
           qso("F6OLD", "20261207", "0700", "") + qso("F1NEW", "20261201", "0800", "<name:3>Luc "));
  EXPECT_EQ(plan.firstNameLines, (Lines{FirstNameLine("F4NEW", "", ""), FirstNameLine("F1NEW", "", "LUC"),
                                        FirstNameLine("F6OLD", "75", "JEAN"), FirstNameLine("F6OLD", "", "MARC"),
                                        FirstNameLine("F6OLD", "", "")}));
  const Lines list{"F6OLD        89 ANNE", "F4NEW        21 paul", "F9XYZ        01 LUC"};
  EXPECT_EQ(LatestFirstNames(list, plan.firstNameLines),
            (Lines{list[1], FirstNameLine("F1NEW", "", "LUC"), FirstNameLine("F6OLD", "75", "MARC")}));
}

// A long reading tells how far it is after each record and stops, saying so, once told to.
TEST(AdifReader, CountsItsRecordsAndStopsWhenTold) {
  std::vector<std::size_t> counts;
  const auto untilTwo = [&counts](std::size_t read) { return counts.push_back(read), read < 2; };
  const AdifFile stopped = ReadAdif("<call:1>A<eor><call:1>B<eor><call:1>C<eor>", untilTwo);
  EXPECT_TRUE(stopped.stopped && stopped.records.size() == 2 && counts == std::vector<std::size_t>({1, 2}));
}

// Many lines at once, each before the first line not earlier than it, in date order among themselves; the
// unreadable and out-of-order lines of the log stay in place. The last first name of a call sign wins.
TEST(InsertLinesByDate, EachWhereItsDateGoesAndTheLastFirstNameWins) {
  const auto at = [](const char* call, const char* date, const char* time = "10:00") {
    return Qso(call, "89", "", "89001", date, "14 Mhz", false, "", time);
  };
  const Lines log{at("F1A", "01/03/14"), "ligne illisible", at("F1B", "05/06/14"), at("F1C", "01/01/14")};
  EXPECT_EQ(InsertLinesByDate(log, {at("F2A", "01/01/99"), at("F2B", "10/06/14"), at("F2C", "02/03/14"),
                                    at("F2D", "01/03/14", "09:59")}),
            (Lines{at("F2A", "01/01/99"), at("F2D", "01/03/14", "09:59"), log[0], log[1], at("F2C", "02/03/14"), log[2],
                   log[3], at("F2B", "10/06/14")}));
  const Lines list{FirstNameLine("F1AAA", "89", "PAUL"), FirstNameLine("F1BBB", "", ""),
                   FirstNameLine("F1AAA", "21", "JEAN")};
  EXPECT_EQ(StoreFirstNames(list, {FirstNameLine("F1CCC", "77", "LUC"), FirstNameLine("F1AAA", "89", "PIERRE"),
                                   FirstNameLine("F1CCC", "77", "LUCIEN")}),
            (Lines{FirstNameLine("F1AAA", "89", "PIERRE"), list[1], FirstNameLine("F1AAA", "89", "PIERRE"),
                   FirstNameLine("F1CCC", "77", "LUCIEN")}));
}
