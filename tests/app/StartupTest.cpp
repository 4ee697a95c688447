#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QtTest>

#include "app/MainWindow.h"
#include "log/LogLine.h"
#include "support/FakeLogbook.h"
#include "support/TestSupport.h"

using namespace settings_keys;

class StartupTest : public QObject {
  Q_OBJECT
 private slots:
  void threeLineLogListsNumberedRowsAndEndsOnAFreshEntry();
  void everyMenuItemExistsWithItsCaption();
  void storedIndexesSelectBandAndModeWithFallback_data();
  void storedIndexesSelectBandAndModeWithFallback();
  void dateModeFollowsTheStoredValue_data();
  void dateModeFollowsTheStoredValue();
  void absentLogListsNothingAndSaysSo();
  void logsBeyondTenThousandLinesList();
  void logsBeyondTheLimitAreRefusedWithoutChange();
};

namespace {

void UseStation(TestEnvironment& env, const QString& call) { env.settings->write(kSetup, kIndicatifStation, call); }

}  // namespace

void StartupTest::threeLineLogListsNumberedRowsAndEndsOnAFreshEntry() {
  TestEnvironment env;
  UseStation(env, "F4ABC");
  env.writeFile("F4ABC_KMB.log", LogBytes({LogLine("F1AAA", "89", "89001"), LogLine("F1BBB", "77", "77001"),
                                           LogLine("F1CCC", "2a", "2a001")}));
  MainWindow main(env.context);
  main.start();
  QCOMPARE(env.messages.shown, QStringList());
  QCOMPARE(int(main.listRows().size()), 3);
  QCOMPARE(QByteArray::fromStdString(main.listRows()[0].substr(0, 5)), QByteArray("    1"));
  QCOMPARE(QByteArray::fromStdString(main.listRows()[2].substr(0, 5)), QByteArray("    3"));
  auto* list = Find<QListView>(main, "Liste_KMB");
  QCOMPARE(list->currentIndex().row(), 2);
  // The last row was shown, then the fresh entry emptied the frame.
  QCOMPARE(Find<QLineEdit>(main, "Ind_A")->text(), QString());
  QVERIFY(Find<QLineEdit>(main, "Ind_A")->isEnabled());
  QCOMPARE(Find<QLineEdit>(main, "Rem_A")->text(), QStringLiteral("C. "));
  QCOMPARE(Find<QLabel>(main, "Mode_Aff")->text(), QStringLiteral("Saisie QSO"));
  QCOMPARE(main.windowTitle(), QStringLiteral("ORX KMB   Diplome Kembaro Revision  1.0.1"));
  QCOMPARE(Find<QLabel>(main, "I_Station")->text(), QStringLiteral("F4ABC"));
  QVERIFY(Find<QLabel>(main, "Label_Liste_BQRT")->text().startsWith(QStringLiteral("     N°   Indicatif")));
  QCOMPARE(env.settings->read("Setup F4ABC", kRevision), QStringLiteral(" 1.0.1"));
  QCOMPARE(env.settings->read(kSetup, kCheminRepertoire), QString::fromStdString(env.folder().string()));
  QVERIFY(QFontInfo(Find<QListView>(main, "Liste_KMB")->font()).fixedPitch());
}

void StartupTest::everyMenuItemExistsWithItsCaption() {
  TestEnvironment env;
  UseStation(env, "F4ABC");
  env.writeFile("F4ABC_KMB.log", {});
  MainWindow main(env.context);
  main.start();
  const QList<QPair<const char*, const char*>> items = {
      {"Mnu_Fichier", "Fichier"},
      {"Mnu_ADIF", "Exporter le log au format ADIF"},
      {"Mnu_Quitter", "Quitter ORX_KMB"},
      {"Mnu_Date", "Date"},
      {"Mnu_Date_Auto", "Automatique"},
      {"Mnu_Date_Man", "Manuelle"},
      {"Mnu_New_Indicatif", "Station"},
      {"Mnu_Liste", "Liste"},
      {"Mnu_L_Contacte", "des Lavoirs contactés"},
      {"Mnu_Carte", "Carte"},
      {"Mnu_Carte_Acti_KMB", "des départements contactés"},
      {"Mnu_Score", "Scores"},
      {"Mnu_Diplomes", "Diplomes"},
      {"Mnu_KMB_HF", "KMB Bande HF"},
      {"Mnu_Diplome_VHF", "KMB Bande VHF"},
      {"Mnu_Non_Recue", "QSL's non reçues"},
      {"Mnu_Cluster", "Afficher Cluster"},
      {"Mnu_Aide", "Aide"},
      {"Mnu_Apropos", "A Propos"},
      {"Mnu_Reglement", "Reglement"},
      {"Mnu_Historique", "Historique"},
  };
  for (const auto& [name, caption] : items) {
    auto* action = main.findChild<QAction*>(QString::fromLatin1(name));
    QVERIFY2(action, name);
    QCOMPARE(action->text(), QString::fromUtf8(caption));
  }
  // Commands placed straight on the bar, in the bar's order.
  QStringList bar;
  for (QAction* a : main.menuBar()->actions()) bar << a->objectName();
  QCOMPARE(bar, QStringList({"Mnu_Fichier", "Mnu_Date", "Mnu_New_Indicatif", "Mnu_Liste", "Mnu_Carte", "Mnu_Score",
                             "Mnu_Diplomes", "Mnu_Non_Recue", "Mnu_Cluster", "Mnu_Aide"}));
}

void StartupTest::storedIndexesSelectBandAndModeWithFallback_data() {
  QTest::addColumn<QString>("band");
  QTest::addColumn<QString>("mode");
  QTest::addColumn<QString>("bandShown");
  QTest::addColumn<QString>("modeShown");
  QTest::newRow("stored") << "10" << "2" << "144 Mhz" << "FM";
  QTest::newRow("absent") << QString() << QString() << "1.8 Mhz" << "SSB";
  QTest::newRow("not a number") << "abc" << "x1" << "1.8 Mhz" << "SSB";
  QTest::newRow("outside the list") << "11" << "3" << "1.8 Mhz" << "SSB";
  QTest::newRow("no selection") << "-1" << "-1" << "" << "";
}

void StartupTest::storedIndexesSelectBandAndModeWithFallback() {
  QFETCH(QString, band);
  QFETCH(QString, mode);
  QFETCH(QString, bandShown);
  QFETCH(QString, modeShown);
  TestEnvironment env;
  UseStation(env, "F4ABC");
  env.writeFile("F4ABC_KMB.log", {});
  if (!band.isNull()) env.settings->write("Setup F4ABC", kBandeUtilisee, band);
  if (!mode.isNull()) env.settings->write("Setup F4ABC", kModeUtilise, mode);
  MainWindow main(env.context);
  main.start();
  QCOMPARE(Find<QComboBox>(main, "Bande_A")->currentText(), bandShown);
  QCOMPARE(Find<QComboBox>(main, "Mode_A")->currentText(), modeShown);
}

void StartupTest::dateModeFollowsTheStoredValue_data() {
  QTest::addColumn<QString>("stored");
  QTest::addColumn<bool>("automatic");
  QTest::newRow("Oui") << "Oui" << true;
  QTest::newRow("Non") << "Non" << false;
  QTest::newRow("absent") << QString() << true;
  QTest::newRow("other") << "peut-etre" << true;
}

void StartupTest::dateModeFollowsTheStoredValue() {
  QFETCH(QString, stored);
  QFETCH(bool, automatic);
  TestEnvironment env;
  UseStation(env, "F4ABC");
  env.writeFile("F4ABC_KMB.log", {});
  if (!stored.isNull()) env.settings->write("Setup F4ABC", kDateAuto, stored);
  MainWindow main(env.context);
  main.start();
  QCOMPARE(main.findChild<QAction*>("Mnu_Date_Auto")->isChecked(), automatic);
  QCOMPARE(main.findChild<QAction*>("Mnu_Date_Man")->isChecked(), !automatic);
}

void StartupTest::absentLogListsNothingAndSaysSo() {
  TestEnvironment env;
  UseStation(env, "F4ABC");
  MainWindow main(env.context);
  main.start();
  QCOMPARE(int(main.listRows().size()), 0);
  QCOMPARE(env.messages.shown.size(), 1);
  QVERIFY(env.messages.last().contains(QStringLiteral("introuvable")));
  QVERIFY(!env.exists("F4ABC_KMB.log"));
}

void StartupTest::logsBeyondTenThousandLinesList() {
  TestEnvironment env;
  UseStation(env, "F4ABC");
  QByteArray log;
  const QByteArray line = LogLine("F1AAA", "89", "89001") + "\r\n";
  for (int i = 0; i < 20000; ++i) log += line;
  env.writeFile("F4ABC_KMB.log", log);
  MainWindow main(env.context);
  main.start();
  QCOMPARE(env.messages.shown, QStringList());
  QCOMPARE(int(main.listRows().size()), 20000);
  QCOMPARE(QByteArray::fromStdString(main.listRows()[9998].substr(0, 5)), QByteArray(" 9999"));
  QCOMPARE(QByteArray::fromStdString(main.listRows()[19999].substr(0, 5)), QByteArray("20000"));
  QCOMPARE(Find<QListView>(main, "Liste_KMB")->currentIndex().row(), 19999);
}

void StartupTest::logsBeyondTheLimitAreRefusedWithoutChange() {
  TestEnvironment env;
  UseStation(env, "F4ABC");
  QByteArray log;
  const QByteArray line = LogLine("F1AAA", "89", "89001") + "\r\n";
  for (int i = 0; i < 100000; ++i) log += line;
  env.writeFile("F4ABC_KMB.log", log);
  MainWindow main(env.context);
  main.start();
  QCOMPARE(int(main.listRows().size()), 0);
  QCOMPARE(env.messages.shown.size(), 1);
  QVERIFY(env.messages.last().contains(QStringLiteral("99999")));
  QCOMPARE(env.readFile("F4ABC_KMB.log"), log);
}

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
