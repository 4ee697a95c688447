// The entry following a real radio through Hamlib: its dummy radio in the
// program, a rigctld started here on the loopback, and a radio that never
// answers.
#include <QProcess>
#include <QTcpServer>

#include "support/MainSession.h"
#include "ui/kit/SettingsStore.h"

using namespace settings_keys;

namespace {

quint16 FreeLoopbackPort() {
  QTcpServer probe;
  if (!probe.listen(QHostAddress::LocalHost)) qFatal("no loopback port");
  return probe.serverPort();
}

QString Address(quint16 port) { return u"127.0.0.1:%1"_s.arg(port); }

void UseRadio(MainSession& s, int model, const QString& port = {}) {
  s.env.settings->write(kSetup, kRadioModele, QString::number(model));
  s.env.settings->write(kSetup, kRadioPort, port);
}

// The longest the window's thread went without handling its events, over `ms`.
qint64 LongestPause(int ms) {
  QElapsedTimer clock, sinceTick;
  qint64 longest = 0;
  QTimer tick;
  QObject::connect(&tick, &QTimer::timeout, [&] { longest = std::max(longest, sinceTick.restart()); });
  clock.start();
  sinceTick.start();
  tick.start(5);
  QTest::qWait(ms);
  return std::max(longest, sinceTick.elapsed());
}

class Rigctld {
 public:
  explicit Rigctld(quint16 port) : port_(port) { start(); }
  ~Rigctld() { stop(); }
  void start() {
    process_.start(u"rigctld"_s, {u"-m"_s, u"1"_s, u"-T"_s, u"127.0.0.1"_s, u"-t"_s, QString::number(port_)});
    QVERIFY(process_.waitForStarted(5000));
  }
  void stop() {
    process_.kill();
    process_.waitForFinished(5000);
  }
  // What the operator does on the radio itself, through rigctl.
  void set(const QStringList& commands) const {
    QCOMPARE(QProcess::execute(u"rigctl"_s, QStringList{u"-m"_s, u"2"_s, u"-r"_s, Address(port_)} + commands), 0);
  }

 private:
  quint16 port_;
  QProcess process_;
};

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
    QVERIFY(!s.main->radio().tune(14'074'000, u"SSB"_s));
    QTRY_COMPARE(s.texts({"Bande_A", "Mode_A"}), QStringList({"14 Mhz", "SSB"}));
    QCOMPARE_LT(sinceTuned.elapsed(), 1100);  // two polls
    QCOMPARE(s.main->radio().frequencyHz(), 14'074'000.0);

    // The reference accepted, the band is the QSO's; the mode follows until closed with Enter.
    s.walk({{"Ind_A", u"F1AAA"_s}, {"Prenom_A", {}}, {"Dpt_A", u"89"_s}, {"Ref_A", u"89001"_s}});
    s.main->radio().tune(7'010'000, u"CW"_s);
    QTRY_COMPARE(s.text("Radio_Etat"), u"Radio : 7,0100 MHz CW"_s);
    QCOMPARE(s.texts({"Bande_A", "Mode_A"}), QStringList({"14 Mhz", "CW"}));
    s.enter("Mode_A");
    s.main->radio().tune(7'074'000, u"SSB"_s);
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
    s.main->radio().tune(432'200'000, u"FM"_s);
    QTRY_COMPARE(s.text("Radio_Etat"), u"Radio : 432,2000 MHz hors des bandes du log"_s);
    QCOMPARE(s.texts({"Bande_A", "Mode_A"}), QStringList({"28 Mhz", "CW"}));
    // A fresh entry: the radio's mode, the stored band (none stored: the first).
    s.click("Efface_A");
    QCOMPARE(s.texts({"Bande_A", "Mode_A"}), QStringList({"1.8 Mhz", "FM"}));
    // An answer that cannot be the radio's is said, and changes nothing.
    s.main->radio().tune(0, u"CW"_s);
    QTRY_COMPARE(s.text("Radio_Etat"), u"Radio : réponse incohérente (fréquence nulle ou négative)"_s);
    QCOMPARE(s.texts({"Bande_A", "Mode_A"}), QStringList({"1.8 Mhz", "FM"}));
    QCOMPARE(s.env.messages.shown, QStringList({u"Voulez vous enregistrer ces données ?"_s}));
  }

  void rigctldStoppedAndStartedAgainIsFoundWithoutAClick() {
    const quint16 port = FreeLoopbackPort();
    Rigctld rigctld(port);
    MainSession s(LogBytes({}), false);
    UseRadio(s, 2, Address(port));
    s.start();
    QTRY_COMPARE_WITH_TIMEOUT(s.text("Radio_Etat"), u"Radio : 145,0000 MHz FM"_s, 5000);
    rigctld.set({u"F"_s, u"3650000"_s, u"M"_s, u"LSB"_s, u"0"_s});
    QTRY_COMPARE(s.texts({"Bande_A", "Mode_A"}), QStringList({"3.5 Mhz", "SSB"}));

    rigctld.stop();
    QTRY_VERIFY_WITH_TIMEOUT(s.text("Radio_Etat").startsWith(u"Radio : connexion perdue, nouvel essai dans"_s), 3000);
    QCOMPARE_LT(LongestPause(500), 100);
    QVERIFY(s.env.messages.shown.isEmpty());
    QCOMPARE(s.main->radio().tune(14'074'000, u"SSB"_s).value_or(u""_s).left(35),
             u"Aucune radio n'est connectée : régl"_s);

    rigctld.start();
    QTRY_COMPARE_WITH_TIMEOUT(s.text("Radio_Etat"), u"Radio : 145,0000 MHz FM"_s, 10000);
    QCOMPARE(s.texts({"Bande_A", "Mode_A"}), QStringList({"144 Mhz", "FM"}));
  }

  void aRadioThatNeverAnswersNeverHoldsTheWindow() {
    QTcpServer silent;  // accepts, never answers
    QVERIFY(silent.listen(QHostAddress::LocalHost));
    MainSession s(LogBytes({}), false);
    UseRadio(s, 2, Address(silent.serverPort()));
    s.start();
    QCOMPARE_LT(LongestPause(1500), 100);
    QTRY_VERIFY(s.text("Radio_Etat").startsWith(u"Radio : pas de réponse (la radio ne répond pas)"_s));
    QVERIFY(s.env.messages.shown.isEmpty());
    QElapsedTimer quitting;
    quitting.start();
    s.widget<QAction>("Mnu_Quitter")->trigger();
    s.main.reset();
    QCOMPARE_LT(quitting.elapsed(), 2000);
  }
};

QTEST_MAIN(RadioWindowTest)
#include "RadioWindowTest.moc"
