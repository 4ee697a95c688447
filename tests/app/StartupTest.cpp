#include <QMenuBar>

#include "app/MainWindow.h"
#include "support/FakeLogbook.h"
#include "support/MainSession.h"

using namespace settings_keys;

class StartupTest : public QObject {
  Q_OBJECT
 private slots:
  void threeLineLogListsNumberedRowsAndEndsOnAFreshEntry();
  void everyMenuItemExistsWithItsCaption();
  void storedSettingsSelectBandModeAndDateModeWithFallback_data();
  void storedSettingsSelectBandModeAndDateModeWithFallback();
  void absentLogListsNothingAndSaysSo();
  void logsBeyondTenThousandLinesListButNotBeyondTheLimit();
  void unreadableLogSaysTheNumberTheFileAndTheCause();
  void logSavedInUtf8IsListedAndOfferedForConversion();
};

namespace {

// The main window of station F4ABC, started over `log` (none when null).
struct Started {
  explicit Started(const QByteArray& log, std::initializer_list<std::pair<QString, QString>> stored = {}) {
    env.settings->write(kSetup, kIndicatifStation, QStringLiteral("F4ABC"));
    if (!log.isNull()) env.writeFile("F4ABC_KMB.log", log);
    for (const auto& [key, value] : stored)
      if (!value.isNull()) env.settings->write("Setup F4ABC", key, value);
    main = std::make_unique<MainWindow>(env.context);
    main->start();
  }
  QByteArray rowNumber(int index) const { return QByteArray::fromStdString(main->listRows()[index].substr(0, 5)); }
  int current() { return Find<QListView>(*main, "Liste_KMB")->currentIndex().row(); }

  TestEnvironment env;
  std::unique_ptr<MainWindow> main;
};

QByteArray Repeated(int lines) {
  const QByteArray line = LogLine("F1AAA", "89", "89001") + "\r\n";
  return line.repeated(lines);
}

}  // namespace

void StartupTest::threeLineLogListsNumberedRowsAndEndsOnAFreshEntry() {
  Started s(
      LogBytes({LogLine("F1AAA", "89", "89001"), LogLine("F1BBB", "77", "77001"), LogLine("F1CCC", "2a", "2a001")}));
  MainWindow& main = *s.main;
  QCOMPARE(s.env.messages.shown, QStringList());
  QCOMPARE(int(main.listRows().size()), 3);
  QCOMPARE(s.rowNumber(0), QByteArray("    1"));
  QCOMPARE(s.rowNumber(2), QByteArray("    3"));
  QCOMPARE(s.current(), 2);
  // The last row was shown, then the fresh entry emptied the frame.
  QCOMPARE(Find<QLineEdit>(main, "Ind_A")->text(), QString());
  QVERIFY(Find<QLineEdit>(main, "Ind_A")->isEnabled());
  QCOMPARE(Find<QLineEdit>(main, "Rem_A")->text(), QStringLiteral("C. "));
  QCOMPARE(Find<QLabel>(main, "Mode_Aff")->text(), QStringLiteral("Saisie QSO"));
  QCOMPARE(main.windowTitle(), QStringLiteral("ORX KMB   Diplome Kembaro Revision  1.0.1"));
  QCOMPARE(Find<QLabel>(main, "I_Station")->text(), QStringLiteral("F4ABC"));
  QCOMPARE(s.env.settings->read("Setup F4ABC", kRevision), QStringLiteral(" 1.0.1"));
  QCOMPARE(s.env.settings->read(kSetup, kCheminRepertoire), QString::fromStdString(s.env.folder().string()));
  QVERIFY(QFontInfo(Find<QListView>(main, "Liste_KMB")->font()).fixedPitch());
}

void StartupTest::everyMenuItemExistsWithItsCaption() {
  Started s("");
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
    auto* action = s.main->findChild<QAction*>(QString::fromLatin1(name));
    QVERIFY2(action, name);
    QCOMPARE(action->text().remove(u'&'), QString::fromUtf8(caption));
  }
  // Commands placed straight on the bar, in the bar's order.
  QStringList bar;
  for (QAction* a : s.main->menuBar()->actions()) bar << a->objectName();
  QCOMPARE(bar, QStringList({"Mnu_Fichier", "Mnu_Date", "Mnu_New_Indicatif", "Mnu_Liste", "Mnu_Carte", "Mnu_Score",
                             "Mnu_Diplomes", "Mnu_Non_Recue", "Mnu_Cluster", "Mnu_Aide"}));
}

void StartupTest::storedSettingsSelectBandModeAndDateModeWithFallback_data() {
  QTest::addColumn<QString>("band");
  QTest::addColumn<QString>("mode");
  QTest::addColumn<QString>("date");
  QTest::addColumn<QString>("bandShown");
  QTest::addColumn<QString>("modeShown");
  QTest::addColumn<bool>("automatic");
  QTest::newRow("stored") << "10"
                          << "2"
                          << "Non"
                          << "144 Mhz"
                          << "FM" << false;
  QTest::newRow("absent") << QString() << QString() << QString() << "1.8 Mhz"
                          << "SSB" << true;
  QTest::newRow("not a number") << "abc"
                                << "x1"
                                << "peut-etre"
                                << "1.8 Mhz"
                                << "SSB" << true;
  QTest::newRow("outside the list") << "11"
                                    << "3"
                                    << "Oui"
                                    << "1.8 Mhz"
                                    << "SSB" << true;
  QTest::newRow("no selection") << "-1"
                                << "-1"
                                << "Non"
                                << ""
                                << "" << false;
}

void StartupTest::storedSettingsSelectBandModeAndDateModeWithFallback() {
  QFETCH(QString, band);
  QFETCH(QString, mode);
  QFETCH(QString, date);
  QFETCH(QString, bandShown);
  QFETCH(QString, modeShown);
  QFETCH(bool, automatic);
  Started s("", {{kBandeUtilisee, band}, {kModeUtilise, mode}, {kDateAuto, date}});
  QCOMPARE(Find<QComboBox>(*s.main, "Bande_A")->currentText(), bandShown);
  QCOMPARE(Find<QComboBox>(*s.main, "Mode_A")->currentText(), modeShown);
  QCOMPARE(s.main->findChild<QAction*>("Mnu_Date_Auto")->isChecked(), automatic);
  QCOMPARE(s.main->findChild<QAction*>("Mnu_Date_Man")->isChecked(), !automatic);
}

void StartupTest::absentLogListsNothingAndSaysSo() {
  Started s{QByteArray()};
  QCOMPARE(int(s.main->listRows().size()), 0);
  QCOMPARE(s.env.messages.shown.size(), 1);
  QVERIFY(s.env.messages.last().contains(QStringLiteral("introuvable")));
  QVERIFY(!s.env.exists("F4ABC_KMB.log"));
}

void StartupTest::logsBeyondTenThousandLinesListButNotBeyondTheLimit() {
  Started s(Repeated(20000));
  QCOMPARE(s.env.messages.shown, QStringList());
  QCOMPARE(int(s.main->listRows().size()), 20000);
  QCOMPARE(s.rowNumber(9998), QByteArray(" 9999"));
  QCOMPARE(s.rowNumber(19999), QByteArray("20000"));
  QCOMPARE(s.current(), 19999);

  Started over(Repeated(100000));
  QCOMPARE(int(over.main->listRows().size()), 0);
  QCOMPARE(over.env.messages.shown.size(), 1);
  QVERIFY(over.env.messages.last().contains(QStringLiteral("99999")));
  QCOMPARE(over.env.readFile("F4ABC_KMB.log"), Repeated(100000));
}

void StartupTest::unreadableLogSaysTheNumberTheFileAndTheCause() {
  TestEnvironment env;
  env.settings->write(kSetup, kIndicatifStation, QStringLiteral("F4ABC"));
  QVERIFY(QDir().mkpath(QString::fromStdString(env.file("F4ABC_KMB.log").string())));
  MainWindow main(env.context);
  main.start();
  QCOMPARE(env.messages.shown.size(), 1);
  const QString text = env.messages.last();
  QVERIFY2(text.startsWith(QStringLiteral("Erreur N° 21\r\nImpossible de lire le fichier ") +
                           QString::fromStdString(env.file("F4ABC_KMB.log").string()) +
                           QStringLiteral(" : c'est un dossier")),
           qPrintable(text));
  QVERIFY(main.listRows().empty());
  QVERIFY(main.isVisible());
}

// "HÉLÈNE" saved by a modern editor: two bytes a letter, columns shifted.
void StartupTest::logSavedInUtf8IsListedAndOfferedForConversion() {
  const QByteArray cp1252 =
      LogBytes({LogLine("F1AAA", "89", "89001", "05/12/26", "09:07", "14 Mhz", true, "", "H\xC9L\xC8NE")});
  const QByteArray utf8 = "\xEF\xBB\xBF" + QString::fromLatin1(cp1252).toUtf8();
  {
    Started refused(utf8);  // no answer: "Non"
    QVERIFY(refused.env.messages.shown.value(0).contains(QStringLiteral("UTF-8")));
    QCOMPARE(QByteArray::fromStdString(refused.main->listRows()[0]).mid(26, 6), QByteArray("H\xC9L\xC8NE"));
    QCOMPARE(refused.main->listRows()[0].size(), std::size_t(122));
    MainSession s(utf8);
    s.walkToValidate("F4XYZ", "77001");
    s.save();
    QCOMPARE(s.log(), utf8);
    QCOMPARE(s.text("Ind_A"), QStringLiteral("F4XYZ"));
  }
  TestEnvironment env;
  env.settings->write(kSetup, kIndicatifStation, QStringLiteral("F4ABC"));
  env.writeFile("F4ABC_KMB.log", utf8);
  env.messages.answer({true});
  MainWindow main(env.context);
  main.start();
  QCOMPARE(env.readFile("F4ABC_KMB.log"), cp1252);
  QCOMPARE(env.readFile("F4ABC_KMB.log.avant-conversion"), utf8);
  QCOMPARE(int(main.listRows().size()), 1);
}

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
