// The station dialog with good calls; junk and refused calls are in the bad input tests.
#include "support/MainSession.h"
#include "ui/settings/StationDialog.h"

using namespace settings_keys;

namespace {

QLineEdit* Box(QWidget& dialog) { return dialog.findChild<QLineEdit*>("New_Indicatif"); }
void Validate(QWidget& dialog) { QTest::mouseClick(dialog.findChild<QPushButton*>("Validation"), Qt::LeftButton); }

}  // namespace

class StationDialogTest : public QObject {
  Q_OBJECT
 private slots:
  void existingStationKeepsItsLogAndMemories() {
    const QByteArray log = LogBytes({LogLine("F1AAA", "89", "89001")});
    MainSession s(log);
    s.env.settings->write("Setup F1XYZ", kBandeUtilisee, "10");
    s.env.settings->write("Setup F1XYZ", kModeUtilise, "1");
    s.env.writeFile("F1XYZ_KMB.log", log + log);
    s.trigger("Mnu_New_Indicatif");
    QWidget* dialog = TopLevels(u"Station"_s).value(0);
    QVERIFY(qobject_cast<StationDialog*>(dialog));
    Box(*dialog)->setText("F1XYZ");
    Validate(*dialog);
    QCOMPARE(s.main->stationCall(), std::string("F1XYZ"));
    QCOMPARE(s.env.readFile("F1XYZ_KMB.log"), log + log);
    QCOMPARE(int(s.main->listedLines().size()), 2);
    QCOMPARE(s.text("Bande_A"), u"144 Mhz"_s);
    QCOMPARE(s.text("Mode_A"), u"CW"_s);
    QCOMPARE(s.env.settings->read("Setup F1XYZ", kBandeUtilisee), u"10"_s);
    // The settings file read again, as the next start reads it: "Setup " keeps its blank.
    SettingsStore reopened(s.env.dir.filePath(u"settings/KMB.ini"_s));
    QCOMPARE(reopened.read(kSetup, kIndicatifStation), u"F1XYZ"_s);
    QCOMPARE(reopened.read("Setup", kIndicatifStation, "other section"), u"other section"_s);
    QCOMPARE(reopened.readIndex("Setup F1XYZ", kBandeUtilisee, 11), 10);
    QCOMPARE(reopened.readIndex("Setup F1XYZ", kDateAuto, 3), 0);
  }

  void unreadableLogIsNeverEmptied() {
    TestEnvironment env;
    const QByteArray log = LogBytes({LogLine("F1AAA", "89", "89001")});
    env.writeFile("F4ABC_KMB.log", log);
    std::filesystem::permissions(env.file("F4ABC_KMB.log"), std::filesystem::perms::none);
    StationDialog dialog(env.context);
    QSignalSpy accepted(&dialog, &StationDialog::stationAccepted);
    Box(dialog)->setText(u"F4ABC"_s);
    Validate(dialog);
    std::filesystem::permissions(env.file("F4ABC_KMB.log"),
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    QCOMPARE(env.readFile("F4ABC_KMB.log"), log);
    QCOMPARE(accepted.value(0).value(0).toString(), u"F4ABC"_s);
    QCOMPARE(env.settings->read("Setup F4ABC", kBandeUtilisee, "untouched"), u"untouched"_s);
  }

  // A stored value that is no call sign never becomes part of a path: the first-run question comes back, and
  // until a station is chosen what is typed in the call sign is answered once by how to choose one; nothing is
  // written.
  void storedCallSignOutsideTheFolderIsNotUsed() {
    TestEnvironment env;
    env.settings->write(kSetup, kIndicatifStation, u"../dehors/F4KMB"_s);
    std::filesystem::create_directories(env.folder() / "../dehors");
    env.writeFile("../dehors/F4KMB_KMB.log", LogBytes({LogLine("F1AAA", "89", "89001")}));
    MainWindow main(env.context);
    QTimer::singleShot(0, [] {
      if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
    });
    main.start();
    QVERIFY(env.messages.shown.value(0).contains(u"« ../dehors/F4KMB », n'est pas valable"_s));
    QVERIFY(env.messages.shown.value(1).contains(u"Premiere installation"_s));
    QCOMPARE(main.stationCall(), std::string("FXXXX"));
    QVERIFY(main.listedLines().empty());
    auto* ind = main.findChild<QLineEdit*>("Ind_A");
    QTest::keyClick(ind, 'a');
    QCOMPARE(env.messages.last(),
             QStringLiteral("\r\n         Premiere installation, vous devez entrer votre Indicatif\r\n\r\n"
                            "Pour cela dans la barre des menus allez dans Station puis Nouvel Indicatif."));
    QCOMPARE(ind->text(), u"a"_s);
    QTest::keyClick(ind, Qt::Key_Return);
    QCOMPARE(env.messages.shown.size(), 3);
    QVERIFY(!env.exists("FXXXX_KMB.log"));
  }

  // Settings that cannot be written are told once; the chosen station serves
  // until the program ends.
  void unwritableSettingsAreToldOnce() {
    TestEnvironment env;
    const QString ini = env.dir.filePath(u"bloque/KMB.ini"_s);
    QVERIFY(QDir().mkpath(ini));  // a folder in the file's place
    SettingsStore blocked(ini);
    AppContext context{env.folder(), env.files, env.messages, blocked, env.clock, env.printers, env.folders};
    MainWindow main(context);
    QTimer::singleShot(0, [] {
      QWidget* dialog = QApplication::activeModalWidget();
      if (!dialog) return;
      Box(*dialog)->setText(u"f4abc"_s);  // pasted small letters are taken as capitals
      Validate(*dialog);
    });
    main.start();
    QCOMPARE(main.stationCall(), std::string("F4ABC"));
    QCOMPARE(env.messages.shown.filter(u"ne peuvent pas être enregistrés"_s).size(), 1);
    QVERIFY(env.messages.shown.filter(u"ne peuvent pas être enregistrés"_s).first().contains(ini));
  }
};

QTEST_MAIN(StationDialogTest)
#include "StationDialogTest.moc"
