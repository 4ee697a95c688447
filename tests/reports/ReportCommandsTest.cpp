#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QtTest>
#include <cerrno>

#include "app/MainWindow.h"
#include "log/LogFile.h"
#include "reports/AdifExport.h"
#include "reports/AdifExportCommand.h"
#include "support/FaultyFileSystem.h"
#include "support/TestSupport.h"

using namespace settings_keys;

class ReportCommandsTest : public QObject {
  Q_OBJECT
 private slots:
  void adifExportWritesTheFileAndNamesIt();
  void adifExportOfAnAbsentLogSaysWhyAndWritesNothing();
  void adifExportThatCannotWriteSaysWhyAndKeepsThePreviousFile();
  void qslAndSearchWindowsOpenOnceEach();
};

namespace {

QWidget* TopLevel(const char* name) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == QLatin1String(name) && w->isVisible()) return w;
  return nullptr;
}

int CountTopLevel(const char* name) {
  int n = 0;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == QLatin1String(name) && w->isVisible()) ++n;
  return n;
}

}  // namespace

void ReportCommandsTest::adifExportWritesTheFileAndNamesIt() {
  TestEnvironment env;
  env.settings->write(kSetup, kIndicatifStation, "F4ABC_P");
  const QByteArray log = LogBytes({LogLine("F1AAA", "89", "89001"), LogLine("F1BBB", "2a", "2a001", "01/01/99")});
  env.writeFile("F4ABC_P_KMB.log", log);
  MainWindow main(env.context);
  main.start();
  env.messages.clear();
  main.findChild<QAction*>("Mnu_ADIF")->trigger();
  QCOMPARE(env.messages.shown,
           QStringList{QStringLiteral("Le fichier a été enregistré sous le nom : F4ABC_P_KMB.adi")});
  const kmb::Bytes expected = kmb::AdifFileText("F4ABC_P", kmb::SplitLines(log.toStdString()));
  QCOMPARE(env.readFile("F4ABC_P_KMB.adi"), QByteArray::fromStdString(expected));
  QVERIFY(env.readFile("F4ABC_P_KMB.adi").contains("<STATE:2>2a <NAME:0> <BAND:3>20m"));
  QVERIFY(env.readFile("F4ABC_P_KMB.adi").contains("<QSO_DATE:8>19990101"));
}

void ReportCommandsTest::adifExportOfAnAbsentLogSaysWhyAndWritesNothing() {
  TestEnvironment env;
  Mnu_ADIF_Click(env.context, "F4ABC", nullptr);
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
  Mnu_ADIF_Click(context, "F4ABC", nullptr);
  QCOMPARE(env.messages.shown.size(), 1);
  QVERIFY(env.messages.last().startsWith(QStringLiteral("Impossible d'écrire le fichier")));
  QVERIFY(env.messages.last().contains(QStringLiteral("le disque est plein")));
  QVERIFY(!env.messages.last().contains(QStringLiteral("enregistré sous le nom")));
  QCOMPARE(env.readFile("F4ABC_KMB.adi"), QByteArray("ancien export\r\n"));
  QDir folder(QString::fromStdString(env.folder().string()));
  QCOMPARE(folder.entryList(QDir::Files), QStringList({"F4ABC_KMB.adi", "F4ABC_KMB.log"}));
}

void ReportCommandsTest::qslAndSearchWindowsOpenOnceEach() {
  TestEnvironment env;
  env.settings->write(kSetup, kIndicatifStation, "F4ABC");
  env.writeFile("F4ABC_KMB.log", LogBytes({LogLine("F1AAA", "89", "89001")}));
  MainWindow main(env.context);
  main.start();
  main.findChild<QAction*>("Mnu_Non_Recue")->trigger();
  main.findChild<QAction*>("Mnu_Non_Recue")->trigger();
  QCOMPARE(CountTopLevel("Multi_QSL"), 1);
  QCOMPARE(TopLevel("Multi_QSL")->windowTitle(), QStringLiteral("QSL's non reçues"));
  main.findChild<QPushButton*>("Rechercher")->click();
  main.findChild<QPushButton*>("Rechercher")->click();
  QCOMPARE(CountTopLevel("Recherche_Indicatif"), 1);
  QCOMPARE(TopLevel("Recherche_Indicatif")->windowTitle(), QStringLiteral("Rechercher un QSO"));
  TopLevel("Recherche_Indicatif")->close();
  TopLevel("Multi_QSL")->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  main.findChild<QPushButton*>("Rechercher")->click();
  QCOMPARE(CountTopLevel("Recherche_Indicatif"), 1);
  TopLevel("Recherche_Indicatif")->close();
}

QTEST_MAIN(ReportCommandsTest)
#include "ReportCommandsTest.moc"
