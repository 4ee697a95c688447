#include <cerrno>

#include "support/FaultyFileSystem.h"
#include "support/MainSession.h"
#include "ui/reports/AdifExportCommand.h"

using namespace settings_keys;

class ReportCommandsTest : public QObject {
  Q_OBJECT
 private slots:
  void adifExportNamesTheFileAndCountsTheQsosWithoutDateOrTime() {
    MainSession s({}, false);
    s.env.settings->write(kSetup, kIndicatifStation, "F4ABC_P");
    s.env.writeFile("F4ABC_P_KMB.log", LogBytes({LogLine("F1AAA", "89", "89001")}));
    s.start();
    s.env.messages.clear();
    s.trigger("Mnu_ADIF");
    QCOMPARE(s.env.messages.shown,
             QStringList{QStringLiteral("Le fichier a été enregistré sous le nom : F4ABC_P_KMB.adi")});
    QVERIFY(s.env.readFile("F4ABC_P_KMB.adi").contains("<CALL:5>F1AAA"));
    // Lines typed by hand with dates or times that never were are said.
    s.env.writeFile("F4ABC_P_KMB.log",
                    LogBytes({LogLine("F1AAA", "89", "89001"), LogLine("F1CCC", "89", "89002", "31/02/26"),
                              LogLine("F1DDD", "89", "89003", "05/12/26", "25:99")}));
    s.trigger("Mnu_ADIF");
    QVERIFY(
        s.env.messages.last().endsWith(QStringLiteral("2 QSO du log n'ont pas de date ou d'heure valable : ils ont "
                                                      "été exportés avec QSO_DATE ou TIME_ON vide.")));
  }

  void adifExportThatCannotWriteSaysWhyAndKeepsThePreviousFile() {
    TestEnvironment env;
    env.writeFile("F4ABC_KMB.log", LogBytes({LogLine("F1AAA", "89", "89001")}));
    env.writeFile("F4ABC_KMB.adi", "ancien export\r\n");
    FaultyFileSystem faulty(env.files);
    faulty.failAt(kmb::IoError::Step::Write, ENOSPC);
    AppContext context{env.folder(), faulty, env.messages, *env.settings, env.clock, env.printers};
    ExportAdifFile(context, "F4ABC", nullptr);
    QCOMPARE(env.messages.shown.size(), 1);
    QVERIFY(env.messages.last().startsWith(QStringLiteral("Impossible d'écrire le fichier")));
    QVERIFY(env.messages.last().contains(QStringLiteral("le disque est plein")));
    QCOMPARE(env.readFile("F4ABC_KMB.adi"), QByteArray("ancien export\r\n"));
  }
};

QTEST_MAIN(ReportCommandsTest)
#include "ReportCommandsTest.moc"
