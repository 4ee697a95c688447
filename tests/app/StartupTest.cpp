#include "support/MainSession.h"

using namespace settings_keys;

namespace {

QByteArray Repeated(int lines) { return (LogLine("F1AAA", "89", "89001") + "\r\n").repeated(lines); }

}  // namespace

class StartupTest : public QObject {
  Q_OBJECT
 private slots:
  void threeLineLogListsNumberedRowsAndEndsOnAFreshEntry() {
    MainSession s(
        LogBytes({LogLine("F1AAA", "89", "89001"), LogLine("F1BBB", "77", "77001"), LogLine("F1CCC", "2a", "2a001")}));
    QCOMPARE(s.env.messages.shown, QStringList());
    QCOMPARE(int(s.main->listRows().size()), 3);
    QCOMPARE(s.main->listRows()[2].substr(0, 5), std::string("    3"));
    QCOMPARE(s.widget<QListView>("Liste_KMB")->currentIndex().row(), 2);
    // The last row was shown, then the fresh entry emptied the frame.
    QCOMPARE(s.text("Ind_A"), QString());
    QVERIFY(s.field("Ind_A")->isEnabled());
    QCOMPARE(s.text("Rem_A"), QStringLiteral("C. "));
    QCOMPARE(s.text("Mode_Aff"), QStringLiteral("Saisie QSO"));
    QCOMPARE(s.main->windowTitle(), QStringLiteral("ORX KMB   Diplome Kembaro Revision  1.0.1"));
    QCOMPARE(s.text("I_Station"), QStringLiteral("F4ABC"));
    QCOMPARE(s.env.settings->read("Setup F4ABC", kRevision), QStringLiteral(" 1.0.1"));
    QCOMPARE(s.env.settings->read(kSetup, kCheminRepertoire), QString::fromStdString(s.env.folder().string()));
    QVERIFY(QFontInfo(s.widget("Liste_KMB")->font()).fixedPitch());
  }

  void storedSettingsSelectBandModeAndDateModeWithFallback() {
    const struct {
      const char *band, *mode, *date, *bandShown, *modeShown;
      bool automatic;
    } cases[] = {{"10", "2", "Non", "144 Mhz", "FM", false},
                 {"abc", "3", "peut-etre", "1.8 Mhz", "SSB", true},
                 {"-1", "-1", "Non", "", "", false}};
    for (const auto& c : cases) {
      MainSession s({}, false);
      for (const auto& [key, value] : {std::pair{kBandeUtilisee, c.band}, {kModeUtilise, c.mode}, {kDateAuto, c.date}})
        s.env.settings->write("Setup F4ABC", key, QString::fromLatin1(value));
      s.start();
      QCOMPARE(s.text("Bande_A"), QString::fromLatin1(c.bandShown));
      QCOMPARE(s.text("Mode_A"), QString::fromLatin1(c.modeShown));
      QCOMPARE(s.main->findChild<QAction*>("Mnu_Date_Auto")->isChecked(), c.automatic);
      QCOMPARE(s.main->findChild<QAction*>("Mnu_Date_Man")->isChecked(), !c.automatic);
    }
  }

  // A missing log is said in front of the clock and an entry ready for a QSO,
  // never the placeholders of the window's design; nothing is created.
  void absentLogListsNothingAndSaysSoInFrontOfRealValues() {
    MainSession s({}, false);
    QFile::remove(QString::fromStdString(s.env.file("F4ABC_KMB.log").string()));
    QStringList behind;
    s.env.messages.onShow = [&](const QString&) {
      for (const char* name : {"Label33", "Label37", "Ref_A", "Date_A", "Heure_A", "RST_A"}) behind << s.text(name);
    };
    s.start();
    QCOMPARE(behind, QStringList({"05/12/26", "09:07 Utc", "", "", "", "59"}));
    QVERIFY(s.env.messages.last().contains(QStringLiteral("introuvable")));
    QVERIFY(s.main->listRows().empty());
    QVERIFY(!s.env.exists("F4ABC_KMB.log"));
  }

  void logsBeyondTenThousandLinesListButNotBeyondTheLimit() {
    MainSession big(Repeated(20000));
    QCOMPARE(int(big.main->listRows().size()), 20000);
    QCOMPARE(big.env.messages.shown, QStringList());
    MainSession over(Repeated(100000));
    QVERIFY(over.main->listRows().empty());
    QCOMPARE(over.env.messages.shown.size(), 1);
    QVERIFY(over.env.messages.last().contains(QStringLiteral("99999")));
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
    QVERIFY2(text.startsWith(QStringLiteral("Erreur N° 21\r\nImpossible de lire le fichier ") + log +
                             QStringLiteral(" : c'est un dossier")),
             qPrintable(text));
    QVERIFY(s.main->listRows().empty());
    QVERIFY(s.main->isVisible());
  }

  // "HÉLÈNE" saved by a modern editor: two bytes a letter, columns shifted.
  void logSavedInUtf8IsListedAndOfferedForConversion() {
    const QByteArray cp1252 =
        LogBytes({LogLine("F1AAA", "89", "89001", "05/12/26", "09:07", "14 Mhz", true, "", "H\xC9L\xC8NE")});
    const QByteArray utf8 = "\xEF\xBB\xBF" + QString::fromLatin1(cp1252).toUtf8();
    MainSession refused(utf8);  // no answer: "Non"
    QVERIFY(refused.env.messages.shown.value(0).contains(QStringLiteral("UTF-8")));
    QCOMPARE(QByteArray::fromStdString(refused.main->listRows()[0]).mid(26, 6), QByteArray("H\xC9L\xC8NE"));
    QCOMPARE(refused.main->listRows()[0].size(), std::size_t(122));
    refused.walkToValidate("F4XYZ", "77001");
    refused.save();
    QCOMPARE(refused.log(), utf8);
    QCOMPARE(refused.text("Ind_A"), QStringLiteral("F4XYZ"));

    MainSession accepted(utf8, false);
    accepted.env.messages.answer({true});
    accepted.start();
    QCOMPARE(accepted.log(), cp1252);
    QCOMPARE(accepted.env.readFile("F4ABC_KMB.log.avant-conversion"), utf8);
    QCOMPARE(int(accepted.main->listRows().size()), 1);
  }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
