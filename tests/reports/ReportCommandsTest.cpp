#include <cerrno>

#include "core/log/LogFile.h"
#include "core/reports/AdifExport.h"
#include "support/FakeLogbook.h"
#include "support/FaultyFileSystem.h"
#include "support/MainSession.h"
#include "ui/reports/AdifExportCommand.h"

using namespace settings_keys;

class ReportCommandsTest : public QObject {
  Q_OBJECT
 private slots:
  void adifExportWritesTheFileAndNamesIt();
  void adifExportOfAnAbsentLogSaysWhyAndWritesNothing();
  void adifExportThatCannotWriteSaysWhyAndKeepsThePreviousFile();
  void qslAndSearchWindowsOpenOnceEach();
};

void ReportCommandsTest::adifExportWritesTheFileAndNamesIt() {
  MainSession s({}, false);
  s.env.settings->write(kSetup, kIndicatifStation, "F4ABC_P");
  const QByteArray log = LogBytes({LogLine("F1AAA", "89", "89001"), LogLine("F1BBB", "2a", "2a001", "01/01/99")});
  s.env.writeFile("F4ABC_P_KMB.log", log);
  s.start();
  s.env.messages.clear();
  s.trigger("Mnu_ADIF");
  QCOMPARE(s.env.messages.shown,
           QStringList{QStringLiteral("Le fichier a été enregistré sous le nom : F4ABC_P_KMB.adi")});
  const QByteArray written = s.env.readFile("F4ABC_P_KMB.adi");
  QVERIFY(written.contains("<STATE:2>2a <NAME:0> <BAND:3>20m"));
  QVERIFY(written.contains("<QSO_DATE:8>19990101"));

  // Lines typed by hand with dates or times that never were: empty fields, and said.
  s.env.writeFile("F4ABC_P_KMB.log", log + LogBytes({LogLine("F1CCC", "89", "89002", "31/02/26"),
                                                     LogLine("F1DDD", "89", "89003", "05/12/26", "25:99")}));
  s.trigger("Mnu_ADIF");
  QVERIFY(
      s.env.messages.last().endsWith(QStringLiteral("2 QSO du log n'ont pas de date ou d'heure valable : ils ont "
                                                    "été exportés avec QSO_DATE ou TIME_ON vide.")));
  QVERIFY(s.env.readFile("F4ABC_P_KMB.adi")
              .contains("<CALL:5>F1CCC <STATE:2>89 <NAME:0> <BAND:3>20m <MODE:3>SSB "
                        "<QSO_DATE:0> <TIME_ON:4>0907"));
  QVERIFY(s.env.readFile("F4ABC_P_KMB.adi").contains("<QSO_DATE:8>20261205 <TIME_ON:0> "));
}

void ReportCommandsTest::adifExportOfAnAbsentLogSaysWhyAndWritesNothing() {
  TestEnvironment env;
  ExportAdifFile(env.context, "F4ABC", nullptr);
  QCOMPARE(env.messages.shown.size(), 1);
  QVERIFY(env.messages.last().contains(QStringLiteral("F4ABC_KMB.log")));
  QVERIFY(env.messages.last().contains(QStringLiteral("introuvable")));
  QVERIFY(!env.exists("F4ABC_KMB.adi"));
}

void ReportCommandsTest::adifExportThatCannotWriteSaysWhyAndKeepsThePreviousFile() {
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
  QVERIFY(!env.messages.last().contains(QStringLiteral("enregistré sous le nom")));
  QCOMPARE(env.readFile("F4ABC_KMB.adi"), QByteArray("ancien export\r\n"));
  QDir folder(QString::fromStdString(env.folder().string()));
  QCOMPARE(folder.entryList(QDir::Files), QStringList({"F4ABC_KMB.adi", "F4ABC_KMB.log"}));
}

void ReportCommandsTest::qslAndSearchWindowsOpenOnceEach() {
  MainSession s(LogBytes({LogLine("F1AAA", "89", "89001")}));
  s.trigger("Mnu_Non_Recue");
  s.trigger("Mnu_Non_Recue");
  QCOMPARE(TopLevels("Multi_QSL").size(), 1);
  QCOMPARE(TopLevels("Multi_QSL").first()->windowTitle(), QStringLiteral("QSL's non reçues"));
  s.click("Rechercher");
  s.click("Rechercher");
  QCOMPARE(TopLevels("Recherche_Indicatif").size(), 1);
  QCOMPARE(TopLevels("Recherche_Indicatif").first()->windowTitle(), QStringLiteral("Rechercher un QSO"));
  TopLevels("Recherche_Indicatif").first()->close();
  TopLevels("Multi_QSL").first()->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  s.click("Rechercher");
  QCOMPARE(TopLevels("Recherche_Indicatif").size(), 1);
  TopLevels("Recherche_Indicatif").first()->close();
}

QTEST_MAIN(ReportCommandsTest)
#include "ReportCommandsTest.moc"
