// The main window from its start: the log listed, the entry walk and the clock.
#include "support/MainSession.h"

using namespace settings_keys;

namespace {

const QColor kGreen(192, 255, 192);
const QColor kYellow(255, 255, 192);

QColor Colour(QWidget* w) { return w->palette().color(QPalette::Base); }

QByteArray Repeated(int lines) { return (LogLine("F1AAA", "89", "89001") + "\r\n").repeated(lines); }

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void threeLineLogListsNumberedRowsAndEndsOnAFreshEntry() {
    MainSession s(
        LogBytes({LogLine("F1AAA", "89", "89001"), LogLine("F1BBB", "77", "77001"), LogLine("F1CCC", "2a", "2a001")}));
    QCOMPARE(s.env.messages.shown, QStringList());
    QCOMPARE(int(s.main->listedLines().size()), 3);
    const QListView* list = s.widget<QListView>("Liste_KMB");
    QCOMPARE(list->model()->index(2, 0).data().toString().left(5), u"    3"_s);
    QCOMPARE(list->currentIndex().row(), 2);
    // The last row was shown, then the fresh entry emptied the frame.
    QCOMPARE(s.texts({"Ind_A", "Rem_A", "Mode_Aff", "I_Station"}), QStringList({"", "C. ", "Saisie QSO", "F4ABC"}));
    QVERIFY(s.field("Ind_A")->isEnabled());
    QCOMPARE(s.main->windowTitle(), u"ORX KMB   Diplome Kembaro Revision  1.0.1"_s);
    QCOMPARE(s.env.settings->read("Setup F4ABC", kRevision), u" 1.0.1"_s);
    QCOMPARE(s.env.settings->read(kSetup, kCheminRepertoire), QString::fromStdString(s.env.folder().string()));
    QVERIFY(QFontInfo(s.widget("Liste_KMB")->font()).fixedPitch());
  }

  void storedSettingsSelectBandModeAndDateModeWithFallback() {
    const struct {
      const char *band, *mode, *date, *bandShown, *modeShown;
      bool automatic;
    } cases[] = {{"10", "2", "Non", "144 Mhz", "FM", false},
                 {"abc", "3", "peut-etre", "1.8 Mhz", "SSB", true},
                 {"-1", "-1", "Non", "1.8 Mhz", "SSB", false}};
    for (const auto& c : cases) {
      MainSession s({}, false);
      for (const auto& [key, value] : {std::pair{kBandeUtilisee, c.band}, {kModeUtilise, c.mode}, {kDateAuto, c.date}})
        s.env.settings->write("Setup F4ABC", key, QString::fromLatin1(value));
      s.start();
      QCOMPARE(s.texts({"Bande_A", "Mode_A"}), QStringList({c.bandShown, c.modeShown}));
      QCOMPARE(s.widget<QAction>("Mnu_Date_Auto")->isChecked(), c.automatic);
      QCOMPARE(s.widget<QAction>("Mnu_Date_Man")->isChecked(), !c.automatic);
    }
  }

  // A missing log is said in front of the real clock and a ready entry, never design placeholders; no file made.
  void absentLogListsNothingAndSaysSoInFrontOfRealValues() {
    MainSession s({}, false);
    s.env.settings->write(settings_keys::kSetup, settings_keys::kIndicatifStation, u"F4KMB_P"_s);
    s.env.writeFile("Temporaire-0123456789abcdef.tmp", "left by a crash");
    QStringList behind;
    s.env.messages.onShow = [&](const QString&) {
      for (const char* name : {"Date_Utc", "Heure_Utc", "Ref_A", "Date_A", "Heure_A", "RST_A"}) behind << s.text(name);
    };
    s.start();
    QCOMPARE(behind, QStringList({"05/12/26", "09:07 Utc", "", "", "", "59"}));
    QVERIFY(s.env.messages.last().contains(u"introuvable"_s));
    QVERIFY(s.main->listedLines().empty());
    QVERIFY(!s.env.exists("F4KMB_P_KMB.log"));
    QCOMPARE(s.text("I_Station"), u"F4KMB/P"_s);
    QVERIFY(!s.env.exists("Temporaire-0123456789abcdef.tmp"));
  }

  void aLogBeyondTheListsLimitIsNeitherListedNorTouched() {
    MainSession over(Repeated(100000));
    QVERIFY(over.main->listedLines().empty());
    QCOMPARE(over.env.messages.shown.size(), 1);
    QVERIFY(over.env.messages.last().contains(u"99999"_s));
    QCOMPARE(over.log(), Repeated(100000));
  }

  void unreadableLogSaysTheNumberTheFileAndTheCause() {
    MainSession s({}, false);
    const QString log = QString::fromStdString(s.env.file("F4ABC_KMB.log").string());
    QFile::remove(log);
    QVERIFY(QDir().mkpath(log));
    s.start();
    QCOMPARE(s.env.messages.shown.size(), 1);
    const QString text = s.env.messages.last();
    QVERIFY2(text.startsWith(u"Impossible de lire le fichier "_s + log + u" : c'est un dossier"_s), qPrintable(text));
    QVERIFY(s.main->listedLines().empty());
    QVERIFY(s.main->isVisible());
  }

  // "HÉLÈNE" saved by a modern editor: two bytes a letter, columns shifted.
  void logSavedInUtf8IsListedAndOfferedForConversion() {
    const QByteArray cp1252 =
        LogBytes({LogLine("F1AAA", "89", "89001", "05/12/26", "09:07", "14 Mhz", true, "", "H\xC9L\xC8NE")});
    const QByteArray utf8 = "\xEF\xBB\xBF" + QString::fromLatin1(cp1252).toUtf8();
    MainSession refused(utf8);  // no answer: "Non"
    QVERIFY(refused.env.messages.shown.value(0).contains(u"UTF-8"_s));
    const QString row = refused.widget<QListView>("Liste_KMB")->model()->index(0, 0).data().toString();
    QCOMPARE(row.mid(26, 6), u"H\u00C9L\u00C8NE"_s);
    QCOMPARE(row.size(), 122);
    refused.walkToValidate("F4XYZ", "77001");
    refused.save();
    QCOMPARE(refused.log(), utf8);
    QCOMPARE(refused.text("Ind_A"), u"F4XYZ"_s);

    // UTF-16 without its mark, as some editors save it: known by its zero bytes, converted before any write.
    const QString text = QString::fromLatin1(cp1252);
    const QByteArray utf16(reinterpret_cast<const char*>(text.utf16()), 2 * text.size());
    for (const QByteArray& saved : {utf8, utf16}) {
      MainSession accepted(saved, false);
      accepted.env.messages.answer({true});
      accepted.start();
      QCOMPARE(accepted.log(), cp1252);
      QCOMPARE(accepted.env.readFile("F4ABC_KMB.log.avant-conversion"), saved);
      QCOMPARE(int(accepted.main->listedLines().size()), 1);
    }
  }

  // A lock that cannot be taken is told; a crash's temporary file beside the file a linked log leads to goes, and
  // another program's file of an older temporary name stays.
  void aLockNotTakenIsToldAndALinkedLogsLeftoversGo() {
    MainSession s({}, false);
    QVERIFY(QDir().mkpath(QString::fromStdString(s.env.file("ORX_KMB.verrou").string())));
    const std::filesystem::path synced = s.env.folder().parent_path() / "synchronise";
    std::filesystem::create_directories(synced);
    std::filesystem::rename(s.env.file("F4ABC_KMB.log"), synced / "F4ABC_KMB.log");
    std::filesystem::create_symlink(synced / "F4ABC_KMB.log", s.env.file("F4ABC_KMB.log"));
    for (const char* name : {"Temporaire-0123456789abcdef.tmp", "Temporaire.txt"})
      QFile(synced / name).open(QIODevice::WriteOnly);
    s.start();
    QCOMPARE(s.env.messages.shown.size(), 1);
    QVERIFY2(s.env.messages.last().startsWith(u"Le verrou du dossier "_s), qPrintable(s.env.messages.last()));
    QVERIFY(!std::filesystem::exists(synced / "Temporaire-0123456789abcdef.tmp"));
    QVERIFY(std::filesystem::exists(synced / "Temporaire.txt"));
  }

  // A first-name list saved by another program gives its accents back; at the first save it is converted after
  // asking, its original kept beside, or left as it is, the QSO saved either way.
  void firstNameListOfAnotherProgramIsReadAndNeverMixed() {
    const QByteArray known = "F1AAA        21 H\xC9L\xC8NE\r\n";
    const QString text = QString::fromLatin1(known);
    const QByteArray utf16 = "\xFF\xFE" + QByteArray(reinterpret_cast<const char*>(text.utf16()), 2 * text.size());
    const QByteArray utf8 = text.toUtf8();
    for (const auto& [saved, convert] : {std::pair{utf16, true}, {utf8, false}}) {
      MainSession s(LogBytes({}));
      s.env.writeFile("Liste_Prenom.txt", saved);
      s.walk({{"Ind_A", u"F1AAA"_s}});
      QCOMPARE(s.texts({"Prenom_A", "Dpt_A"}), QStringList({u"H\u00C9L\u00C8NE"_s, u"21"_s}));
      s.walk({{"Prenom_A", {}}, {"Dpt_A", {}}, {"Ref_A", u"21001"_s}});
      s.enterToValidate();
      s.env.messages.answer({true, convert});
      s.click("Valide_A");
      QCOMPARE(
          s.log(),
          LogBytes({LogLine("F1AAA", "21", "21001", "05/12/26", "09:07", "1.8 Mhz", false, "C.", "H\xC9L\xC8NE")}));
      QVERIFY(s.env.messages.shown.filter(u"La convertir maintenant en Windows-1252 ?"_s).size() == 1);
      QCOMPARE(s.firstNames(), convert ? known : saved);
      QCOMPARE(s.env.exists("Liste_Prenom.txt.avant-conversion"), convert);
      if (convert) QCOMPARE(s.env.readFile("Liste_Prenom.txt.avant-conversion"), saved);
    }
  }

  // In automatic date mode the QSO goes before the first call sign starting with a digit; foreign letters
  // become the nearest ones.
  void automaticDateWalkSavesOneQsoByteForByte() {
    const QByteArray first = LogLine("F1AAA", "89", "89001"), nine = LogLine("9A1AA", "89", "89002");
    MainSession s(LogBytes({first, nine}));
    s.type("Ind_A", "f4xyz");
    QCOMPARE(s.text("Ind_A"), u"F4XYZ"_s);
    s.enter("Ind_A");
    QVERIFY(s.focusedOn("Prenom_A"));
    QCOMPARE(Colour(s.field("Ind_A")), kYellow);
    QCOMPARE(Colour(s.field("Prenom_A")), kGreen);
    s.type("Prenom_A", u"Łukasz éß"_s);
    QCOMPARE(s.text("Prenom_A"), u"LUKASZ Éß"_s);  // capitals as typed, accented ones too
    s.field("Prenom_A")->backspace(), s.field("Prenom_A")->backspace(), s.field("Prenom_A")->backspace();
    s.enter("Prenom_A");
    s.type("Dpt_A", "2A");
    QCOMPARE(s.text("Dpt_A"), u"2A"_s);
    s.enter("Dpt_A");
    s.typeAndEnter("Ref_A", "2A001");
    QVERIFY(s.focusedOn("Mode_A"));
    QCOMPARE(s.texts({"Dpt_A", "Ref_A", "Date_A", "Heure_A", "Rem_A"}),
             QStringList({"2a", "2a001", "05/12/26", "09:07", "C. "}));
    QVERIFY(!s.field("Date_A")->isEnabled());
    s.enterEach({"Mode_A", "RST_A"});
    s.field("RSTE_A")->clear();
    s.typeAndEnter("RSTE_A", "57");
    s.type("Rem_A", u"Ștefan Gődör"_s);
    QCOMPARE(s.text("Rem_A"), u"C. STEFAN GODÖR"_s);
    s.enter("Rem_A");
    QTest::keyClick(s.widget("QSL_A"), Qt::Key_Space);
    s.enter("QSL_A");
    QVERIFY(s.focusedOn("Valide_A"));
    QVERIFY(s.widget("Valide_A")->isEnabled());

    s.save();
    QCOMPARE(s.env.messages.shown, QStringList{"Voulez vous enregistrer ces données ?"});
    QCOMPARE(s.log(), first +
                          "\r\nF4XYZ        2a   LUKASZ          2a001 05/12/26 09:07 SSB 1.8 Mhz 59  57  "
                          "C. STEFAN GOD\xD6R                *\r\n" +
                          nine + "\r\n");
    QCOMPARE(s.firstNames(), QByteArray("F4XYZ        2a LUKASZ\r\n"));
    // Back to a fresh entry: the differences with a reset are visible.
    QVERIFY(s.focusedOn("Ind_A"));
    QCOMPARE(Colour(s.field("Ind_A")), kGreen);
    QCOMPARE(s.texts({"Ind_A", "Date_A", "Rem_A", "RST_A"}), QStringList({"", "", "C. ", "59"}));
    QVERIFY(!s.widget<QCheckBox>("QSL_A")->isChecked() && !s.widget("QSL_A")->isEnabled());
    QVERIFY(s.widget("Annule_Saisie")->isEnabled());
    QCOMPARE(int(s.main->listedLines().size()), 3);
    QCOMPARE(s.widget<QListView>("Liste_KMB")->currentIndex().row(), 2);
  }

  // A known call sign fills its first name and department; a lavoir contacted on the band discards the entry;
  // answering No writes nothing and still empties the entry.
  void knownStationContactedLavoirAndAnswerNo() {
    const QByteArray log = LogBytes({LogLine("F1AAA", "89", "89001", "12/05/13", "10:00", "7.0 Mhz")});
    MainSession s(log, false);
    s.env.settings->write("Setup F4ABC", kBandeUtilisee, "2");
    s.env.writeFile("Liste_Prenom.txt", "F4XYZ        21 JEAN\r\n");
    s.start();
    QCOMPARE(s.text("Bande_A"), u"7.0 Mhz"_s);
    for (const char* ref : {"89001", "77001"}) {
      QVERIFY(s.focusedOn("Ind_A"));
      QCOMPARE(s.texts({"Ind_A", "Prenom_A", "Ref_A"}), QStringList({"", "", ""}));
      s.typeAndEnter("Ind_A", "F4XYZ");
      QCOMPARE(s.texts({"Dpt_A", "Prenom_A"}), QStringList({"21", "JEAN"}));
      QVERIFY(s.field("Dpt_A")->isEnabled());
      s.enterEach({"Prenom_A", "Dpt_A"});
      s.typeAndEnter("Ref_A", QString::fromLatin1(ref));
    }
    QCOMPARE(s.env.messages.shown, QStringList{u"89001 Lavoir deja contacté le 12/05/13 sur 7.0 Mhz"_s});
    s.enterToValidate();
    s.env.messages.answer({false});
    s.click("Valide_A");
    QCOMPARE(s.log(), log);
    QCOMPARE(s.firstNames(), QByteArray("F4XYZ        21 JEAN\r\n"));
    QCOMPARE(s.text("Ind_A"), QString());
    QVERIFY(!s.env.exists("Temporaire.txt"));
  }

  void bandAndModeAreRemembered() {
    MainSession s({});
    auto* band = s.widget<QComboBox>("Bande_A");
    band->setCurrentIndex(4);
    s.enter("Bande_A");
    QCOMPARE(s.env.settings->read("Setup F4ABC", kBandeUtilisee), u"4"_s);
    QVERIFY(s.focusedOn("Ind_A"));
    // A band typed as the list writes it, in capitals, is that item of the list.
    band->setEditText({});
    s.typeAndEnter("Bande_A", "7.0 mhz");
    QCOMPARE(std::pair(s.text("Bande_A"), band->currentIndex()), std::pair(u"7.0 Mhz"_s, 2));
    QCOMPARE(s.env.settings->read("Setup F4ABC", kBandeUtilisee), u"2"_s);
    // One that is none of them is saved as typed, and the next QSO takes the remembered band, never none.
    band->setEditText({});
    s.typeAndEnter("Bande_A", "432 mhz");
    QCOMPARE(s.text("Bande_A"), u"432 MHZ"_s);
    QCOMPARE(s.env.settings->read("Setup F4ABC", kBandeUtilisee), u"2"_s);
    s.walkToValidate("F4XYZ", "89001");
    s.save();
    QVERIFY(s.log().contains("432 MHZ"));
    QCOMPARE(s.text("Bande_A"), u"7.0 Mhz"_s);
  }

  // Manual date mode keeps a typed date; automatic mode empties it.
  void clockLabelsFollowUtcAroundMidnight() {
    MainSession s({}, false);
    s.env.clock.utc = {2026, 3, 4, 23, 59, 30};
    s.env.clock.local = {2026, 3, 5, 0, 59, 30};
    s.start();
    QCOMPARE(s.texts({"Heure_Utc", "Heure_Locale", "Date_Utc"}), QStringList({"23:59 Utc", "00:59 Loc", "04/03/26"}));
    s.env.clock.utc = {2026, 3, 5, 9, 5, 3};
    QTRY_COMPARE(s.text("Heure_Utc"), u"09:05 Utc"_s);  // at the next tick
    QCOMPARE(s.text("Date_Utc"), u"05/03/26"_s);
    s.trigger("Mnu_Date_Man");
    s.field("Date_A")->setText(u"01/01/26"_s);
    s.trigger("Mnu_Date_Man");
    QCOMPARE(s.text("Date_A"), u"01/01/26"_s);
    QCOMPARE(s.env.settings->read("Setup F4ABC", kDateAuto), u"Non"_s);
    s.trigger("Mnu_Date_Auto");
    s.trigger("Mnu_Date_Auto");
    QVERIFY(s.widget<QAction>("Mnu_Date_Auto")->isChecked() && !s.widget<QAction>("Mnu_Date_Man")->isChecked());
    QCOMPARE(s.text("Date_A"), QString());
    QCOMPARE(s.env.settings->read("Setup F4ABC", kDateAuto), u"Oui"_s);
  }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
