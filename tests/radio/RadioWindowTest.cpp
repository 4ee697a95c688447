// The entry following a real radio through Hamlib: its dummy radio in the
// program, a rigctld started here on the loopback (behind a go-between that
// holds an answer back), a radio that never answers, a host that never
// accepts, a serial port with nothing behind it; and the radio's setup in
// "Préférences".
#include <pty.h>
#include <unistd.h>

#include "support/FullListener.h"
#include "support/MainSession.h"
#include "support/RadioPeers.h"
#include "ui/kit/SettingsStore.h"
#include "ui/radio/RadioLink.h"

using namespace settings_keys;

namespace {

void UseRadio(MainSession& s, int model, const QString& port = {}) {
  s.env.settings->write(kSetup, kRadioModele, QString::number(model));
  s.env.settings->write(kSetup, kRadioPort, port);
}

// The operator's own choice, which a lost radio gives back: 7.0 Mhz, CW.
void RememberSevenMegahertzCw(MainSession& s) {
  s.env.settings->write(u"Setup F4ABC"_s, kBandeUtilisee, u"2"_s);
  s.env.settings->write(u"Setup F4ABC"_s, kModeUtilise, u"1"_s);
}

// The longest the window's thread went without handling its events, over `ms`.
qint64 LongestPause(int ms) {
  QElapsedTimer sinceTick;
  qint64 longest = 0;
  QTimer tick;
  QObject::connect(&tick, &QTimer::timeout, [&] { longest = std::max(longest, sinceTick.restart()); });
  sinceTick.start();
  tick.start(5);
  QTest::qWait(ms);
  return std::max(longest, sinceTick.elapsed());
}

// "Quitter", then the window's end, as the program ends: how long it took.
qint64 QuitTime(MainSession& s) {
  QElapsedTimer quitting;
  quitting.start();
  s.widget<QAction>("Mnu_Quitter")->trigger();
  s.main.reset();
  return quitting.elapsed();
}

QStringList Said(const QSignalSpy& statuses) {
  QStringList texts;
  for (const QList<QVariant>& status : statuses) texts << status.at(0).toString();
  return texts;
}

QWidget& OpenPreferences(MainSession& s) {
  s.trigger("Mnu_Preferences");
  QWidget* window = TopLevels(u"Preferences"_s).value(0);
  if (!window || !QTest::qWaitForWindowActive(window)) qFatal("no Préférences");
  return *window;
}

void Press(QWidget& window, const char* name, Qt::Key key) {
  QWidget* control = Find<QWidget>(window, QString::fromLatin1(name));
  control->setFocus();
  QTest::keyClick(control, key);
}

}  // namespace

class RadioWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void followsTheDummyRadioOnlyWhileANewQsoIsTyped() {
    MainSession s(LogBytes({LogLine("F5XYZ", "21", "21001", "01/12/26", "10:00", "28 Mhz", false, "", "", "CW")}),
                  false);
    UseRadio(s, 1);
    s.start();
    // The dummy radio starts on 145 MHz FM: the entry takes it at once.
    QTRY_COMPARE(s.texts({"Radio_Etat", "Bande_A", "Mode_A"}),
                 QStringList({"Radio : 145,0000 MHz FM", "144 Mhz", "FM"}));

    QElapsedTimer sinceTuned;
    sinceTuned.start();
    QVERIFY(!s.main->radio().tune(14'074'000, u"SSB"_s, nullptr, {}));
    QTRY_COMPARE(s.texts({"Bande_A", "Mode_A"}), QStringList({"14 Mhz", "SSB"}));
    QCOMPARE_LT(sinceTuned.elapsed(), 1100);  // two polls
    QCOMPARE(s.main->radio().frequencyHz(), 14'074'000.0);

    // The reference accepted, the band is the QSO's; the mode follows until closed with Enter.
    s.walk({{"Ind_A", u"F1AAA"_s}, {"Prenom_A", {}}, {"Dpt_A", u"89"_s}, {"Ref_A", u"89001"_s}});
    s.main->radio().tune(7'010'000, u"CW"_s, nullptr, {});
    QTRY_COMPARE(s.text("Radio_Etat"), u"Radio : 7,0100 MHz CW"_s);
    QCOMPARE(s.texts({"Bande_A", "Mode_A"}), QStringList({"14 Mhz", "CW"}));
    s.enter("Mode_A");
    s.main->radio().tune(7'074'000, u"SSB"_s, nullptr, {});
    QTRY_COMPARE(s.text("Radio_Etat"), u"Radio : 7,0740 MHz LSB"_s);
    QCOMPARE(s.text("Mode_A"), u"CW"_s);
    s.enterEach({"RST_A", "RSTE_A", "Rem_A", "QSL_A"});
    s.save();
    QCOMPARE(s.log(),
             LogBytes({LogLine("F5XYZ", "21", "21001", "01/12/26", "10:00", "28 Mhz", false, "", "", "CW"),
                       LogLine("F1AAA", "89", "89001", "05/12/26", "09:07", "14 Mhz", false, "C.", "", "CW")}));
    // The fresh entry takes the radio again.
    QTRY_COMPARE(s.texts({"Bande_A", "Mode_A"}), QStringList({"7.0 Mhz", "SSB"}));

    // A QSO already made keeps its band and mode; a frequency outside the log's bands changes nothing.
    s.doubleClickRow(0);
    s.main->radio().tune(432'200'000, u"FM"_s, nullptr, {});
    QTRY_COMPARE(s.text("Radio_Etat"), u"Radio : 432,2000 MHz hors des bandes du log"_s);
    QCOMPARE(s.texts({"Bande_A", "Mode_A"}), QStringList({"28 Mhz", "CW"}));
    // A fresh entry: the radio's mode, the stored band (none stored: the first).
    s.click("Efface_A");
    QCOMPARE(s.texts({"Bande_A", "Mode_A"}), QStringList({"1.8 Mhz", "FM"}));
    // An answer that cannot be the radio's is said, and the entry no longer follows it: the remembered mode.
    s.main->radio().tune(0, u"CW"_s, nullptr, {});
    QTRY_COMPARE(s.text("Radio_Etat"), u"Radio : réponse incohérente (fréquence nulle ou négative)"_s);
    QCOMPARE(s.texts({"Bande_A", "Mode_A"}), QStringList({"1.8 Mhz", "CW"}));
    QCOMPARE(s.env.messages.shown, QStringList({u"Voulez vous enregistrer ces données ?"_s}));
  }

  // rigctld's radio at 0 Hz, then gone: the entry and the saved QSO take the operator's band and mode again;
  // Enter on the status line finds it back at once.
  void aLostRadioNoLongerSetsTheEntry() {
    Rigctld rigctld(FreeLoopbackPort());
    MainSession s(LogBytes({}), false);
    UseRadio(s, 2, LoopbackAddress(rigctld.port()));
    RememberSevenMegahertzCw(s);
    s.start();
    QTRY_COMPARE_WITH_TIMEOUT(s.texts({"Radio_Etat", "Bande_A"}), QStringList({"Radio : 145,0000 MHz FM", "144 Mhz"}),
                              5000);
    QSignalSpy said(s.main->findChild<RadioLink*>(), &RadioLink::statusChanged);
    rigctld.set({u"F"_s, u"0"_s, u"M"_s, u"USB"_s, u"0"_s});
    QTRY_COMPARE(s.text("Radio_Etat"), u"Radio : réponse incohérente (fréquence nulle ou négative)"_s);
    rigctld.set({u"F"_s, u"21200000"_s});
    QTRY_COMPARE(s.texts({"Radio_Etat", "Bande_A", "Mode_A"}),
                 QStringList({"Radio : 21,2000 MHz USB", "21 Mhz", "SSB"}));
    QVERIFY(!Said(said).contains(u"Radio : 145,0000 MHz USB"_s));  // never a previous frequency with a new mode

    rigctld.stop();
    QTRY_VERIFY_WITH_TIMEOUT(s.text("Radio_Etat").startsWith(u"Radio : connexion perdue, nouvel essai dans"_s), 3000);
    QCOMPARE(s.texts({"Bande_A", "Mode_A"}), QStringList({"7.0 Mhz", "CW"}));
    s.walkToValidate(u"F1AAA"_s, u"89001"_s);
    s.save();
    QCOMPARE(s.log(),
             LogBytes({LogLine("F1AAA", "89", "89001", "05/12/26", "09:07", "7.0 Mhz", false, "C.", "", "CW")}));
    QCOMPARE(s.texts({"Bande_A", "Mode_A"}), QStringList({"7.0 Mhz", "CW"}));
    QCOMPARE(s.main->radio().tune(14'074'000, u"SSB"_s, nullptr, {}).value_or(u""_s),
             u"La radio n'est pas connectée : elle ne se règle pas sur ce spot."_s);
    QCOMPARE_LT(LongestPause(300), 100);

    // The third failure waits 4 s; Enter on the status line tries at once.
    QTRY_VERIFY_WITH_TIMEOUT(s.text("Radio_Etat").endsWith(u"nouvel essai dans 4 s"_s), 8000);
    rigctld.start();
    QElapsedTimer found;
    found.start();
    Press(*s.main, "Radio_Etat", Qt::Key_Return);
    QTRY_COMPARE(s.texts({"Radio_Etat", "Bande_A", "Mode_A"}),
                 QStringList({"Radio : 145,0000 MHz FM", "144 Mhz", "FM"}));
    QCOMPARE_LT(found.elapsed(), 2000);
    QCOMPARE(s.main->findChild<QLabel*>(u"Radio_Etat"_s)->accessibleDescription(), u"Radio : 145,0000 MHz FM"_s);
  }

  // A connection stopped (Préférences saved, the radio unticked) while its answer is on its way: that answer
  // reaches neither the status nor the entry.
  void aStoppedConnectionSaysNothingMore() {
    Rigctld rigctld(FreeLoopbackPort());
    RadioProxy proxy(rigctld.port());
    MainSession s(LogBytes({}), false);
    UseRadio(s, 2, proxy.address());
    RememberSevenMegahertzCw(s);
    s.start();
    s.main->show();
    QTRY_COMPARE_WITH_TIMEOUT(s.text("Radio_Etat"), u"Radio : 145,0000 MHz FM"_s, 5000);
    QSignalSpy said(s.main->findChild<RadioLink*>(), &RadioLink::statusChanged);
    // The radio moves; the program's reading of it is held, then given while the window's thread is busy.
    const auto answerOnItsWay = [&](const QStringList& move) {
      rigctld.set(move);
      proxy.holdNextModeAnswer();
      QTRY_VERIFY(proxy.holds());
      proxy.release();
      QTest::qSleep(200);
      said.clear();
    };

    answerOnItsWay({u"F"_s, u"21200000"_s, u"M"_s, u"USB"_s, u"0"_s});
    s.main->radio().useStoredSetup();  // what "Enregistrer" does
    QTRY_COMPARE_WITH_TIMEOUT(s.text("Radio_Etat"), u"Radio : 21,2000 MHz USB"_s, 5000);
    QCOMPARE(Said(said), QStringList({"Radio : connexion…", "Radio : 21,2000 MHz USB"}));

    QWidget& preferences = OpenPreferences(s);
    Press(preferences, "Radio_Utiliser", Qt::Key_Space);
    Find<QPushButton>(preferences, u"Enregistrer"_s)->setFocus();
    answerOnItsWay({u"F"_s, u"3650000"_s, u"M"_s, u"LSB"_s, u"0"_s});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::qWait(1000);
    QCOMPARE(Said(said), QStringList({"Radio : non configurée"}));
    QCOMPARE(s.texts({"Bande_A", "Mode_A"}), QStringList({"7.0 Mhz", "CW"}));
    QCOMPARE(s.main->radio().tune(7'074'000, u"SSB"_s, nullptr, {}).value_or(u""_s).left(32),
             u"Aucune radio n'est réglée : choi"_s);
    // The model stays stored for the next time the radio is ticked.
    QCOMPARE(s.env.settings->read(kSetup, kRadioModele), u"2"_s);
    QCOMPARE(s.env.settings->read(kSetup, kRadioUtilisee), u"Non"_s);
  }

  // "Tester" on the radio being read asks through its connection; on another port, it can be cancelled, and its
  // late answer is dropped. Neither waits in the thread pool an import needs.
  void testerUsesTheConnectionHeld() {
    Rigctld rigctld(FreeLoopbackPort());
    RadioProxy proxy(rigctld.port());
    MainSession s(LogBytes({}), false);
    UseRadio(s, 2, proxy.address());
    s.start();
    s.main->show();
    QTRY_COMPARE_WITH_TIMEOUT(s.text("Radio_Etat"), u"Radio : 145,0000 MHz FM"_s, 5000);
    QWidget& preferences = OpenPreferences(s);
    auto* result = Find<QLabel>(preferences, u"Radio_Resultat"_s);
    const int connections = proxy.connections();
    const int pooled = QThreadPool::globalInstance()->activeThreadCount();
    Press(preferences, "Radio_Tester", Qt::Key_Return);
    QCOMPARE(QThreadPool::globalInstance()->activeThreadCount(), pooled);
    QTRY_COMPARE(result->text(), u"La radio répond : 145,0000 MHz FM."_s);
    QCOMPARE(proxy.connections(), connections);

    const FullListener silent;
    Find<QComboBox>(preferences, u"Radio_Port"_s)->setEditText(QString::fromStdString(silent.address()));
    Press(preferences, "Radio_Tester", Qt::Key_Return);
    QCOMPARE(result->text(), u"Essai en cours…"_s);
    Press(preferences, "Radio_Tester", Qt::Key_Return);
    QCOMPARE(result->text(), u"Essai annulé."_s);
    // The radio read again once the test gave up on the silent host.
    rigctld.set({u"F"_s, u"7074000"_s, u"M"_s, u"LSB"_s, u"0"_s});
    QTRY_COMPARE_WITH_TIMEOUT(s.text("Radio_Etat"), u"Radio : 7,0740 MHz LSB"_s, 6000);
    QCOMPARE(result->text(), u"Essai annulé."_s);
    QCOMPARE(Find<QPushButton>(preferences, u"Radio_Tester"_s)->text(), u"Tester"_s);
  }

  // A model is never chosen for the operator; unticking keeps the model for the next time.
  void tickingTheRadioNeverChoosesAModel() {
    MainSession s(LogBytes({}));
    s.main->show();
    QWidget* preferences = &OpenPreferences(s);
    Press(*preferences, "Radio_Utiliser", Qt::Key_Space);
    auto* model = Find<QComboBox>(*preferences, u"Radio_Modele"_s);
    QCOMPARE(model->currentText(), QString());
    Press(*preferences, "Enregistrer", Qt::Key_Return);
    QVERIFY(s.env.messages.last().startsWith(u"Aucun modèle de radio n'est choisi"_s));
    QVERIFY(model->hasFocus());
    QCOMPARE(s.env.settings->read(kSetup, kRadioModele, u"absent"_s), u"absent"_s);
    Find<QLineEdit>(*preferences, u"Radio_Filtre"_s)->setText(u"NET rigctl"_s);
    Press(*preferences, "Radio_Modele", Qt::Key_Down);
    Press(*preferences, "Radio_Utiliser", Qt::Key_Space);  // unticked: the model chosen is kept
    Press(*preferences, "Enregistrer", Qt::Key_Return);
    QTRY_VERIFY(TopLevels(u"Preferences"_s).isEmpty());
    QCOMPARE(s.env.settings->read(kSetup, kRadioModele), u"2"_s);
    QCOMPARE(s.text("Radio_Etat"), u"Radio : non configurée"_s);

    preferences = &OpenPreferences(s);
    Press(*preferences, "Radio_Utiliser", Qt::Key_Space);
    QCOMPARE(Find<QComboBox>(*preferences, u"Radio_Modele"_s)->currentData().toInt(), 2);
  }

  void aRadioThatNeverAnswersNeverHoldsTheWindow() {
    QTcpServer silent;  // accepts, never answers
    QVERIFY(silent.listen(QHostAddress::LocalHost));
    MainSession s(LogBytes({}), false);
    UseRadio(s, 2, LoopbackAddress(silent.serverPort()));
    s.start();
    QCOMPARE_LT(LongestPause(1500), 100);
    QTRY_VERIFY(s.text("Radio_Etat").startsWith(u"Radio : pas de réponse (la radio ne répond pas)"_s));
    QVERIFY(s.env.messages.shown.isEmpty());
    QCOMPARE_LT(QuitTime(s), 2000);
  }

  // A host whose connections hang: each try gives up in a few seconds and says so; quitting in the middle of
  // one, or of a serial radio's opening, never waits for it.
  void quittingNeverWaitsForTheRadio() {
    const FullListener host;
    MainSession network(LogBytes({}), false);
    UseRadio(network, 2, QString::fromStdString(host.address()));
    network.start();
    QTRY_COMPARE_WITH_TIMEOUT(network.text("Radio_Etat"),
                              u"Radio : pas de réponse (l'hôte 127.0.0.1 ne répond pas), nouvel essai dans 1 s"_s,
                              5000);
    QTRY_COMPARE(network.text("Radio_Etat"), u"Radio : connexion…"_s);
    QCOMPARE_LT(QuitTime(network), 2000);

    int master = -1, slave = -1;
    char device[64];
    QCOMPARE(::openpty(&master, &slave, device, nullptr, nullptr), 0);
    MainSession serial(LogBytes({}), false);
    UseRadio(serial, 3081, QString::fromLatin1(device));  // an Icom IC-9700 asks for seconds before giving up
    serial.start();
    QTest::qWait(500);
    QCOMPARE(serial.text("Radio_Etat"), u"Radio : connexion…"_s);
    QCOMPARE_LT(QuitTime(serial), 2000);
    ::close(master);
    ::close(slave);
  }
};

QTEST_MAIN(RadioWindowTest)
#include "RadioWindowTest.moc"
