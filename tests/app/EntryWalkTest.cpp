#include "support/MainSession.h"

using namespace settings_keys;

namespace {

const QColor kGreen(192, 255, 192);
const QColor kYellow(255, 255, 192);

QColor Colour(QWidget* w) { return w->palette().color(QPalette::Base); }

}  // namespace

class EntryWalkTest : public QObject {
  Q_OBJECT
 private slots:
  // Saved in automatic date mode, the QSO goes before the first call sign starting with a digit.
  void automaticDateWalkSavesOneQsoByteForByte() {
    const QByteArray first = LogLine("F1AAA", "89", "89001"), nine = LogLine("9A1AA", "89", "89002");
    MainSession s(LogBytes({first, nine}));
    s.type("Ind_A", "f4xyz");
    QCOMPARE(s.text("Ind_A"), QStringLiteral("F4XYZ"));
    s.enter("Ind_A");
    QVERIFY(s.focusedOn("Prenom_A"));
    QCOMPARE(Colour(s.field("Ind_A")), kYellow);
    QCOMPARE(Colour(s.field("Prenom_A")), kGreen);
    s.typeAndEnter("Prenom_A", "paul");
    s.type("Dpt_A", "2A");
    QCOMPARE(s.text("Dpt_A"), QStringLiteral("2A"));
    s.enter("Dpt_A");
    QCOMPARE(s.text("Dpt_A"), QStringLiteral("2a"));
    s.typeAndEnter("Ref_A", "2A001");
    QCOMPARE(s.text("Ref_A"), QStringLiteral("2a001"));
    QVERIFY(s.focusedOn("Mode_A"));
    QCOMPARE(s.text("Date_A"), QStringLiteral("05/12/26"));
    QCOMPARE(s.text("Heure_A"), QStringLiteral("09:07"));
    QVERIFY(!s.field("Date_A")->isEnabled());
    QCOMPARE(s.text("Rem_A"), QStringLiteral("C. "));
    s.enter("Mode_A");
    s.enter("RST_A");
    s.field("RSTE_A")->clear();
    s.typeAndEnter("RSTE_A", "57");
    s.type("Rem_A", "lavoir du bourg");
    s.enter("Rem_A");
    QTest::keyClick(s.widget("QSL_A"), Qt::Key_Space);
    s.enter("QSL_A");
    QVERIFY(s.focusedOn("Valide_A"));
    QVERIFY(s.widget("Valide_A")->isEnabled());

    s.save();
    QCOMPARE(s.env.messages.shown, QStringList{"Voulez vous enregistrer ces données ?"});
    QCOMPARE(s.log(), first +
                          "\r\nF4XYZ        2a   PAUL            2a001 05/12/26 09:07 SSB 1.8 Mhz 59  57  "
                          "C. LAVOIR DU BOURG             *\r\n" +
                          nine + "\r\n");
    QCOMPARE(s.firstNames(), QByteArray("F4XYZ        2a PAUL\r\n"));
    // Back to a fresh entry: the differences with a reset are visible.
    QCOMPARE(s.text("Ind_A"), QString());
    QVERIFY(s.focusedOn("Ind_A"));
    QCOMPARE(Colour(s.field("Ind_A")), kGreen);
    QCOMPARE(s.text("Date_A"), QString());
    QCOMPARE(s.text("Rem_A"), QStringLiteral("C. "));
    QCOMPARE(s.text("RST_A"), QStringLiteral("59"));
    QVERIFY(!s.widget<QCheckBox>("QSL_A")->isChecked());
    QVERIFY(!s.widget("QSL_A")->isEnabled());
    QVERIFY(s.widget("Annule_Saisie")->isEnabled());
    QCOMPARE(int(s.main->listRows().size()), 3);
    QCOMPARE(s.widget<QListView>("Liste_KMB")->currentIndex().row(), 2);
  }

  void manualDateWalkInsertsByDateAndKeepsTheDate() {
    const QByteArray first = LogLine("F1AAA", "89", "89001", "01/03/14", "10:00");
    const QByteArray last = LogLine("F1CCC", "89", "89003", "07/08/14", "10:00");
    MainSession s(LogBytes({first, last}));
    s.trigger("Mnu_Date_Man");
    QCOMPARE(s.env.settings->read("Setup F4ABC", kDateAuto), QStringLiteral("Non"));
    s.walk({{"Ind_A", "F1BBB"}, {"Prenom_A", ""}, {"Dpt_A", "77"}, {"Ref_A", "77001"}});
    QVERIFY(s.focusedOn("Date_A"));
    QCOMPARE(s.text("Rem_A"), QStringLiteral("C. "));
    s.typeAndEnter("Date_A", "05/06/14");
    QVERIFY(s.focusedOn("Heure_A"));
    s.typeAndEnter("Heure_A", "12:30");
    QVERIFY(s.focusedOn("Mode_A"));
    s.enterToValidate();
    s.save();
    const QByteArray added =
        "F1BBB        77                   77001 05/06/14 12:30 SSB 1.8 Mhz 59  59  C." + QByteArray(30, ' ') + "\r\n";
    QCOMPARE(s.log(), first + "\r\n" + added + last + "\r\n");
    // Manual mode keeps a date: the one of the last row, shown by the return.
    QCOMPARE(s.text("Date_A"), QStringLiteral("07/08/14"));
  }

  void alreadyContactedReferenceDiscardsTheEntry() {
    MainSession s(LogBytes({LogLine("F1AAA", "89", "89001", "12/05/13", "10:00", "7.0 Mhz")}), false);
    s.env.settings->write("Setup F4ABC", kBandeUtilisee, "2");
    s.start();
    QCOMPARE(s.text("Bande_A"), QStringLiteral("7.0 Mhz"));
    s.walk({{"Ind_A", "F4XYZ"}, {"Prenom_A", "JEAN"}, {"Dpt_A", "89"}, {"Ref_A", "89001"}});
    QCOMPARE(s.env.messages.last(), QStringLiteral("89001 Lavoir deja contacté le 12/05/13 sur 7.0 Mhz"));
    for (const char* field : {"Ind_A", "Prenom_A", "Ref_A"}) QCOMPARE(s.text(field), QString());
    QVERIFY(s.focusedOn("Ind_A"));
  }

  void knownCallSignFillsFirstNameAndDepartment() {
    MainSession s({});
    s.env.writeFile("Liste_Prenom.txt", "F4XYZ        21 JEAN\r\n");
    s.typeAndEnter("Ind_A", "F4XYZ");
    QCOMPARE(s.text("Dpt_A"), QStringLiteral("21"));
    QCOMPARE(s.text("Prenom_A"), QStringLiteral("JEAN"));
    QVERIFY(s.field("Dpt_A")->isEnabled());
  }

  void answeringNoWritesNothingAndStillEmptiesTheEntry() {
    const QByteArray log = LogBytes({LogLine("F1AAA", "89", "89001")});
    MainSession s(log);
    s.env.writeFile("Liste_Prenom.txt", "F1AAA        89 PAUL\r\n");
    s.walkToValidate("F4XYZ", "77001", "JEAN");
    s.env.messages.answer({false});
    s.click("Valide_A");
    QCOMPARE(s.log(), log);
    QCOMPARE(s.firstNames(), QByteArray("F1AAA        89 PAUL\r\n"));
    QCOMPARE(s.text("Ind_A"), QString());
    QVERIFY(!s.env.exists("Temporaire.txt"));
  }

  void firstInstallGuardAnswersEveryKey() {
    TestEnvironment env;
    MainWindow main(env.context);
    QTimer::singleShot(0, [] {
      if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
    });
    main.start();
    QCOMPARE(main.stationCall(), std::string("FXXXX"));
    QCOMPARE(int(main.listRows().size()), 0);
    auto* ind = main.findChild<QLineEdit*>("Ind_A");
    QTest::keyClick(ind, 'a');
    QCOMPARE(env.messages.last(),
             QStringLiteral("\r\n         Premiere installation, vous devez entrer votre Indicatif\r\n\r\n"
                            "Pour cela dans la barre des menus allez dans Station puis Nouvel Indicatif."));
    QCOMPARE(ind->text(), QStringLiteral("a"));
    QTest::keyClick(ind, Qt::Key_Return);
    QCOMPARE(env.messages.shown.size(), 3);
    QVERIFY(!env.exists("FXXXX_KMB.log"));
  }

  void bandAndModeAreRemembered() {
    MainSession s({});
    auto* band = s.widget<QComboBox>("Bande_A");
    band->setCurrentIndex(4);
    s.enter("Bande_A");
    QCOMPARE(s.env.settings->read("Setup F4ABC", kBandeUtilisee), QStringLiteral("4"));
    QVERIFY(s.focusedOn("Ind_A"));
    // A band typed by hand matches no item of the list.
    band->setEditText({});
    s.typeAndEnter("Bande_A", "432 mhz");
    QCOMPARE(s.text("Bande_A"), QStringLiteral("432 MHZ"));
    QCOMPARE(s.env.settings->read("Setup F4ABC", kBandeUtilisee), QStringLiteral("-1"));
    band->setCurrentIndex(10);
    s.enter("Bande_A");
    s.walkToValidate("F4XYZ", "89001");
    s.widget<QComboBox>("Mode_A")->setCurrentIndex(1);
    s.save();
    QCOMPARE(s.text("Bande_A"), QStringLiteral("144 Mhz"));
    QVERIFY(s.log().contains("144 Mhz"));
  }

  void clockLabelsFollowUtcAroundMidnight() {
    MainSession s({}, false);
    s.env.clock.utc = {2026, 3, 4, 23, 59, 30};
    s.env.clock.local = {2026, 3, 5, 0, 59, 30};
    s.start();
    QCOMPARE(s.text("Label37"), QStringLiteral("23:59 Utc"));
    QCOMPARE(s.text("Label34"), QStringLiteral("00:59 Loc"));
    QCOMPARE(s.text("Label33"), QStringLiteral("04/03/26"));
    s.env.clock.utc = {2026, 3, 5, 9, 5, 3};
    QTRY_COMPARE(s.text("Label37"), QStringLiteral("09:05 Utc"));  // at the next tick
    QCOMPARE(s.text("Label33"), QStringLiteral("05/03/26"));
    s.trigger("Mnu_Date_Man");
    s.field("Date_A")->setText(QStringLiteral("01/01/26"));
    s.trigger("Mnu_Date_Man");
    QCOMPARE(s.text("Date_A"), QStringLiteral("01/01/26"));
    s.trigger("Mnu_Date_Auto");
    s.trigger("Mnu_Date_Auto");
    QVERIFY(s.main->findChild<QAction*>("Mnu_Date_Auto")->isChecked());
    QVERIFY(!s.main->findChild<QAction*>("Mnu_Date_Man")->isChecked());
    QCOMPARE(s.text("Date_A"), QString());
    QCOMPARE(s.env.settings->read("Setup F4ABC", kDateAuto), QStringLiteral("Oui"));
  }
};

QTEST_MAIN(EntryWalkTest)
#include "EntryWalkTest.moc"
