#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "app/MainWindow.h"
#include "settings/StationDialog.h"
#include "support/MainSession.h"

using namespace settings_keys;

class StationDialogTest : public QObject {
  Q_OBJECT
 private slots:
  void typingTurnsSmallLettersAndSlashes();
  void enterOnlyMovesToValidez();
  void refusals_data();
  void refusals();
  void newStationCreatesItsLogAndDefaults();
  void existingStationKeepsItsLogAndMemories();
  void unreadableLogIsNeverEmptied();
  void firstRunAsksForTheStation();
  void settingsStoreRoundTripsSectionsWithBlanks();
};

namespace {

struct Dialog {
  explicit Dialog(TestEnvironment& env) : dialog(env.context) {
    QObject::connect(&dialog, &StationDialog::stationAccepted, [this](const QString& c) { accepted = c; });
    dialog.show();
  }
  QLineEdit* box() { return dialog.findChild<QLineEdit*>("New_Indicatif"); }
  void validate() { QTest::mouseClick(dialog.findChild<QPushButton*>("Validation"), Qt::LeftButton); }
  StationDialog dialog;
  QString accepted;
};

}  // namespace

void StationDialogTest::typingTurnsSmallLettersAndSlashes() {
  TestEnvironment env;
  Dialog d(env);
  QCOMPARE(d.dialog.windowTitle(), QStringLiteral("Selection Indicatif"));
  QCOMPARE(d.box()->text(), QString());
  QTest::keyClicks(d.box(), "f4abc/p");
  QCOMPARE(d.box()->text(), QStringLiteral("F4ABC_P"));
}

void StationDialogTest::enterOnlyMovesToValidez() {
  TestEnvironment env;
  Dialog d(env);
  QTest::keyClicks(d.box(), "F4ABC");
  QTest::keyClick(d.box(), Qt::Key_Return);
  QVERIFY(d.accepted.isNull());
  QCOMPARE(d.dialog.focusWidget()->objectName(), QStringLiteral("Validation"));
  QVERIFY(!env.exists("F4ABC_KMB.log"));
}

void StationDialogTest::refusals_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("message");
  QTest::addColumn<QString>("left");
  QTest::newRow("empty") << "" << "Vous devez entrer un indicatif" << "";
  QTest::newRow("13 characters") << "F4ABCDEFGHIJK" << "12 caracteres maximum pour l'indicatif" << "F4ABCDEFGHIJK";
  QTest::newRow("blank") << "F4 ABC"
                         << "L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' " << "";
  QTest::newRow("dash") << "F4-ABC"
                        << "L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' " << "";
}

void StationDialogTest::refusals() {
  QFETCH(QString, typed);
  QFETCH(QString, message);
  QFETCH(QString, left);
  TestEnvironment env;
  Dialog d(env);
  d.box()->setText(typed);  // as pasted: no key rules
  d.validate();
  QCOMPARE(env.messages.shown, QStringList{message});
  QCOMPARE(d.box()->text(), left);
  QVERIFY(d.accepted.isNull());
  QCOMPARE(env.settings->read(kSetup, kIndicatifStation, "absent"), QStringLiteral("absent"));
  QVERIFY(std::filesystem::is_empty(env.folder()));
}

void StationDialogTest::newStationCreatesItsLogAndDefaults() {
  TestEnvironment env;
  Dialog d(env);
  d.box()->setText(QStringLiteral("f4abc_p"));  // pasted small letters are accepted
  d.validate();
  QCOMPARE(d.accepted, QStringLiteral("F4ABC_P"));
  QVERIFY(env.exists("F4ABC_P_KMB.log"));
  QCOMPARE(env.readFile("F4ABC_P_KMB.log"), QByteArray());
  QCOMPARE(env.settings->read(kSetup, kIndicatifStation), QStringLiteral("F4ABC_P"));
  QCOMPARE(env.settings->read("Setup F4ABC_P", kBandeUtilisee), QStringLiteral("0"));
  QCOMPARE(env.settings->read("Setup F4ABC_P", kModeUtilise), QStringLiteral("0"));
  QVERIFY(!d.dialog.isVisible());
}

void StationDialogTest::existingStationKeepsItsLogAndMemories() {
  const QByteArray log = LogBytes({LogLine("F1AAA", "89", "89001")});
  MainSession s(log);
  s.env.settings->write("Setup F1XYZ", kBandeUtilisee, "10");
  s.env.settings->write("Setup F1XYZ", kModeUtilise, "1");
  s.env.writeFile("F1XYZ_KMB.log", log + log);
  s.trigger("Mnu_New_Indicatif");
  StationDialog* dialog = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == "Station" && w->isVisible()) dialog = qobject_cast<StationDialog*>(w);
  QVERIFY(dialog);
  dialog->findChild<QLineEdit*>("New_Indicatif")->setText("F1XYZ");
  QTest::mouseClick(dialog->findChild<QPushButton*>("Validation"), Qt::LeftButton);
  QCOMPARE(s.main->stationCall(), std::string("F1XYZ"));
  QCOMPARE(s.env.readFile("F1XYZ_KMB.log"), log + log);
  QCOMPARE(int(s.main->listRows().size()), 2);
  QCOMPARE(s.text("Bande_A"), QStringLiteral("144 Mhz"));
  QCOMPARE(s.text("Mode_A"), QStringLiteral("CW"));
  QCOMPARE(s.env.settings->read("Setup F1XYZ", kBandeUtilisee), QStringLiteral("10"));
}

void StationDialogTest::unreadableLogIsNeverEmptied() {
  TestEnvironment env;
  const QByteArray log = LogBytes({LogLine("F1AAA", "89", "89001")});
  env.writeFile("F4ABC_KMB.log", log);
  std::filesystem::permissions(env.file("F4ABC_KMB.log"), std::filesystem::perms::none);
  Dialog d(env);
  d.box()->setText(QStringLiteral("F4ABC"));
  d.validate();
  std::filesystem::permissions(env.file("F4ABC_KMB.log"), std::filesystem::perms::owner_read |
                                                              std::filesystem::perms::owner_write);
  QCOMPARE(env.readFile("F4ABC_KMB.log"), log);
  QCOMPARE(d.accepted, QStringLiteral("F4ABC"));
  QCOMPARE(env.settings->read("Setup F4ABC", kBandeUtilisee, "untouched"), QStringLiteral("untouched"));
}

void StationDialogTest::firstRunAsksForTheStation() {
  TestEnvironment env;
  MainWindow main(env.context);
  bool mainWasHidden = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<StationDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    mainWasHidden = !main.isVisible();
    QTest::keyClicks(dialog->findChild<QLineEdit*>("New_Indicatif"), "f4abc/p");
    QTest::mouseClick(dialog->findChild<QPushButton*>("Validation"), Qt::LeftButton);
  });
  main.start();
  QVERIFY(mainWasHidden);
  QCOMPARE(env.messages.shown.value(0),
           QStringLiteral("\r\nPremiere installation, vous devez entrer votre Indicatif\r\n\r\n"));
  QCOMPARE(main.stationCall(), std::string("F4ABC_P"));
  QCOMPARE(main.findChild<QLabel*>("I_Station")->text(), QStringLiteral("F4ABC/P"));
  QVERIFY(env.exists("F4ABC_P_KMB.log"));
  QCOMPARE(env.settings->read(kSetup, kIndicatifStation), QStringLiteral("F4ABC_P"));
  QCOMPARE(env.settings->read("Setup F4ABC_P", kRevision), QStringLiteral(" 1.0.1"));
  QVERIFY(!env.settings->read(kSetup, kCheminRepertoire).isEmpty());
  QCOMPARE(main.windowTitle(), QStringLiteral("ORX KMB   Diplome Kembaro Revision  1.0.1"));

  // Next start shows the stored form.
  MainWindow again(env.context);
  again.start();
  QCOMPARE(again.findChild<QLabel*>("I_Station")->text(), QStringLiteral("F4ABC_P"));
}

void StationDialogTest::settingsStoreRoundTripsSectionsWithBlanks() {
  TestEnvironment env;
  env.settings->write("Setup ", "Indicatif Station", "F4ABC");
  env.settings->write("Setup F4ABC", "bande Utilisee", "-1");
  SettingsStore reopened(env.dir.filePath("settings/KMB.ini"));
  QCOMPARE(reopened.read("Setup ", "Indicatif Station"), QStringLiteral("F4ABC"));
  QCOMPARE(reopened.read("Setup F4ABC", "bande Utilisee"), QStringLiteral("-1"));
  QCOMPARE(reopened.read("Setup", "Indicatif Station", "other section"), QStringLiteral("other section"));
  QCOMPARE(reopened.readIndex("Setup F4ABC", "Mode Utilise", 3), 0);
}

QTEST_MAIN(StationDialogTest)
#include "StationDialogTest.moc"
