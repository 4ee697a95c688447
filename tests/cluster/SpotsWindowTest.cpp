#include <QScrollBar>
#include <QTcpServer>
#include <QTcpSocket>

#include "support/FullListener.h"
#include "support/MainSession.h"
#include "support/RadioPeers.h"
#include "ui/cluster/SpotListModel.h"
#include "ui/cluster/SpotWatch.h"
#include "ui/cluster/SpotsWindow.h"

using namespace settings_keys;

namespace {

// A node on 127.0.0.1, on a free port: it keeps every byte the program sends and writes what the test gives it.
struct ScriptedNode {
  ScriptedNode() {
    if (!server.listen(QHostAddress::LocalHost, 0)) qFatal("no free port");
    QObject::connect(&server, &QTcpServer::newConnection, [this] {
      client = server.nextPendingConnection();
      ++connections;
      QObject::connect(client, &QTcpSocket::readyRead, [this, c = client] { received += c->readAll(); });
    });
  }
  QString address() const { return u"127.0.0.1:%1"_s.arg(server.serverPort()); }
  void write(const QByteArray& bytes) const { client->write(bytes); }
  bool receives(const QByteArray& ending) {
    return QTest::qWaitFor([&] { return received.endsWith(ending); }, 5000);
  }

  QTcpServer server;
  QPointer<QTcpSocket> client;
  QByteArray received;
  int connections = 0;
};

// Every cell of the list but the age, which the clock makes, a row a text, its cells joined by "|".
QStringList Rows(const QTableView& list) {
  QStringList rows;
  const QAbstractItemModel& model = *list.model();
  for (int row = 0; row < model.rowCount(); ++row) {
    QStringList cells;
    for (int column = 0; column < model.columnCount(); ++column)
      if (column != SpotListModel::Age) cells << model.index(row, column).data().toString();
    rows << cells.join(u'|');
  }
  return rows;
}

// The call signs of the list, top to bottom.
QStringList Calls(const QTableView& list) {
  QStringList calls;
  for (int row = 0; row < list.model()->rowCount(); ++row)
    calls << list.model()->index(row, SpotListModel::Call).data().toString();
  return calls;
}

bool Activate(QWidget& window) {
  window.activateWindow();
  return QTest::qWaitForWindowActive(&window);
}

SpotWatch& Watch(const MainSession& s) { return *s.main->findChild<SpotWatch*>(); }

// Each request for the desktop's attention, and whether it asked for the sound.
struct RecordedAttention final : Attention {
  explicit RecordedAttention(QList<bool>& requests) : requests(requests) {}
  void request(QWidget&, bool sound) override { requests << sound; }
  QList<bool>& requests;
};

// A spots window of the session's main window, which closes it when it goes, logged in to the node: its list.
QTableView& OpenLoggedIn(MainSession& s, ScriptedNode& node, ClusterTimings timings = {100, 10000, 5000}) {
  s.env.settings->write(kSetup, kClusterNoeud, node.address());
  s.main->show();
  Watch(s).listen(timings);
  s.trigger("Mnu_Spots");
  QWidget* spots = TopLevels(u"Spots"_s).value(0);
  if (!spots || !Activate(*spots) || !QTest::qWaitFor([&] { return node.connections == 1; }, 5000)) qFatal("no node");
  node.write("login: ");
  if (!node.receives("F4ABC\r\n")) qFatal("no login");
  node.write("F4ABC de NODE-1 >");
  if (!node.receives("sh/dx 50\r\n")) qFatal("no request");
  return *Find<QTableView>(*spots, u"Liste_Spots"_s);
}

// A live spot line of that call, reference and time.
QByteArray Live(const QByteArray& call, const QByteArray& reference, const QByteArray& time,
                const QByteArray& kHz = "14025.0") {
  return "DX de F5AAA:  " + kHz + "  " + call + "  KMB " + reference + "  " + time + "Z\r\n";
}

}  // namespace

class SpotsWindowTest : public QObject {
  Q_OBJECT
 private slots:
  // One session against the node: login, every way of writing spots, the states against the log and their changes,
  // the entry filled from a spot, a confirmed announce, a dropped connection tried again, the window closed.
  void aScriptedNodeFeedsTheListAndTheEntry() {
    ScriptedNode node;
    MainSession s(LogBytes({LogLine("F4KMB", "89", "89001", "05/12/26", "08:00", "14 Mhz"),
                            LogLine("F6ABC", "75", "75012", "04/12/26", "10:00", "7.0 Mhz")}));
    s.env.writeFile("Liste_Prenom.txt", "F1XYZ        2b JEAN\r\n");
    s.env.settings->write(kSetup, kClusterNoeud, node.address());
    s.main->show();
    Watch(s).listen({100, 10000, 5000});
    const QPointer<SpotsWindow> spots = new SpotsWindow(*s.main, Watch(s));
    spots->setAttribute(Qt::WA_DeleteOnClose);
    spots->show();
    QVERIFY(Activate(*spots));
    auto* list = Find<QTableView>(*spots, u"Liste_Spots"_s);
    QTRY_COMPARE(node.connections, 1);
    node.write("\xff\xfd\x01\xff\xfb\x03Please enter your call: ");
    QVERIFY(node.receives("F4ABC\r\n"));
    node.write("Bienvenue F4ABC\r\nF4ABC de NODE-1 05-Dec-2026 0907Z >");
    QVERIFY(node.receives("sh/dx 50\r\n"));
    node.write(
        "DX de F5AAA:     14025.0  F4KMB/P      KMB 89001 lavoir de Sens CW     0850Z JN18\r\n"
        " 14040.0  F6ABC       05-Dec-2026 0855Z tres bon signal depuis le lavoir KMB:75012 merci <F5BBB>\r"
        "DX de F5CCC:      7012.0  f1xyz        kmb-2b001 ssb\a                    0900Z\n"
        "DX de F5AAA:      5360.0  F4OUT        KMB 89002                          0901Z\r\n"
        "DX de F5AAA:     14050.0  F4SHO        KMB 123                            0902Z\r\n"
        "\x01\x02\xff\xfb\x18garbage \x1b[31mDX de F5AAA: 14074.0 DL1ABC FT8 -12 dB 0903Z\x1b[0m\r\n" +
        QByteArray(1 << 20, 'x') + "\r\nDX de F5DDD:     14026.0  F4KMB/P      KMB 89001   0905Z\r\n");
    const QStringList kmbRows{u"09:05|14026.0|F4KMB/P|89001|Déjà contacté|14 Mhz|CW|F5DDD et 1 autre|KMB 89001"_s,
                              u"09:00|7012.0|F1XYZ|2b001|Nouveau lavoir|7.0 Mhz|SSB|F5CCC|kmb-2b001 ssb"_s,
                              u"08:55|14040.0|F6ABC|75012|Nouveau sur la bande|14 Mhz||F5BBB|tres bon signal depuis le "
                              "lavoir KMB:75012 merci"_s};
    QTRY_COMPARE(Rows(*list), kmbRows);
    QCOMPARE(node.received, "F4ABC\r\nsh/dx 50\r\n");  // nothing the node sent was answered
    QSet<QRgb> colours;
    for (int row = 0; row < 3; ++row)
      colours << list->model()->index(row, 0).data(Qt::BackgroundRole).value<QColor>().rgb();
    QCOMPARE(colours.size(), 3);
    QTest::keyClick(list, Qt::Key_T, Qt::AltModifier);  // "Tous les spots", kept
    QTRY_COMPARE(Rows(*list).mid(1, 2), QStringList({u"09:03|14074.0|DL1ABC|||14 Mhz||F5AAA|FT8 -12 dB"_s,
                                                     u"09:02|14050.0|F4SHO|||14 Mhz||F5AAA|KMB 123"_s}));
    QCOMPARE(s.env.settings->read(kSetup, kTousLesSpots), u"Oui"_s);
    QTest::keyClick(list, Qt::Key_T, Qt::AltModifier);
    QTRY_COMPARE(Rows(*list), kmbRows);

    // Enter on a new lavoir: the entry's walk, the first-name list's fill-in, the focus on the mode.
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(s.texts({"Bande_A", "Ind_A", "Prenom_A", "Dpt_A", "Ref_A", "Date_A"}),
             QStringList({"7.0 Mhz", "F1XYZ", "JEAN", "2b", "2b001", "05/12/26"}));
    QTRY_COMPARE(QApplication::activeWindow(), s.main.get());
    QVERIFY(s.focusedOn("Mode_A"));
    // While that QSO is typed, another spot changes nothing, and the window says why.
    QVERIFY(Activate(*spots));
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Return);
    QVERIFY(Find<QLabel>(*spots, u"Message_Spots"_s)->text().contains(u"en cours de saisie"_s));
    QCOMPARE(s.text("Ind_A"), u"F1XYZ"_s);

    // "Annoncer un lavoir", prefilled from the entry; the frequency typed; sent once confirmed.
    QTest::keyClick(list, Qt::Key_A, Qt::AltModifier);
    QTRY_VERIFY(spots->findChild<QWidget*>(u"Annonce"_s));
    QWidget* announce = spots->findChild<QWidget*>(u"Annonce"_s);
    QVERIFY(QTest::qWaitForWindowActive(announce));
    QCOMPARE(Find<QLineEdit>(*announce, u"Annonce_Indicatif"_s)->text(), u"F1XYZ"_s);
    TypeKeys(*QApplication::focusWidget(), u"7012,5"_s);
    s.env.messages.answer({true});
    for (int i = 0; i < 3; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(node.receives("sh/dx 50\r\nDX 7012.5 F1XYZ KMB 2b001\r\n"));
    QVERIFY(s.env.messages.last().endsWith(u"DX 7012.5 F1XYZ KMB 2b001"_s));

    // Once the entry is free, a wash-house already contacted on the band is refused by the entry itself.
    s.click("Efface_A");
    QVERIFY(Activate(*spots));
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(s.env.messages.last(), u"89001 Lavoir deja contacté le 05/12/26 sur 14 Mhz"_s);
    QCOMPARE(s.text("Ind_A"), QString());
    // A QSO written to the log changes the state of its spot.
    QVERIFY(s.main->changeLog(
        [](kmb::Lines log) {
          log.push_back(LogLine("F1XYZ", "2b", "2b001", "05/12/26", "09:01", "7.0 Mhz").toStdString());
          return log;
        },
        {}, {}));
    QVERIFY(Rows(*list).at(1).contains(u"|2b001|Déjà contacté|"_s));

    // A dropped connection is said and tried again; the list stays.
    node.client->close();
    QTRY_COMPARE(
        Find<QLabel>(*spots, u"Etat_Cluster"_s)->text(),
        u"Connexion perdue avec %1 (le nœud a fermé la connexion) : nouvel essai dans 1 s."_s.arg(node.address()));
    QTRY_COMPARE(node.connections, 2);
    node.write("login: ");
    QVERIFY(node.receives("2b001\r\nF4ABC\r\n"));
    QCOMPARE(Rows(*list).size(), 3);

    // Closed, the window leaves the watch listening: spots keep coming, and show at once when it opens again.
    spots->close();
    node.write(Live("F4NEW", "21001", "0906"));
    QTRY_COMPARE(s.text("Etat_Spots"), u"Nouveau lavoir sur l'air : F4NEW, 21001, 14 Mhz"_s);
    QCOMPARE(node.client->state(), QAbstractSocket::ConnectedState);
    QCOMPARE(node.connections, 2);
    s.trigger("Mnu_Spots");
    QCOMPARE(Calls(*Find<QTableView>(*TopLevels(u"Spots"_s).value(0), u"Liste_Spots"_s)).value(0), u"F4NEW"_s);
  }

  // With a radio (rigctld behind a go-between), Enter on a spot tunes it to the spot; the entry's mode then follows
  // the radio. A frequency the radio refuses stays said, here and in the main window, until the radio moves.
  void aSpotTakenTunesTheRadio() {
    ScriptedNode node;
    Rigctld rigctld(FreeLoopbackPort());
    RadioProxy radio(rigctld.port());
    radio.refusedAboveHz = 10e6;
    MainSession s(LogBytes({}), false);
    s.env.settings->write(kSetup, kRadioModele, u"2"_s);
    s.env.settings->write(kSetup, kRadioPort, radio.address());
    s.start();
    QTRY_COMPARE_WITH_TIMEOUT(s.text("Mode_A"), u"FM"_s, 5000);  // the dummy radio starts on 145 MHz FM
    QTableView& list = OpenLoggedIn(s, node);
    node.write("DX de F5AAA:      3555.0  F4KMB/P      KMB 89001 lavoir de Sens cw       0850Z\r\n" +
               Live("F4KMC", "89002", "0851"));
    QTRY_COMPARE(Calls(list), QStringList({"F4KMC", "F4KMB/P"}));
    QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_Return);
    QTRY_COMPARE(s.text("Radio_Etat"), u"Radio : 3,5550 MHz CW"_s);
    QTRY_COMPARE(s.texts({"Bande_A", "Ind_A", "Ref_A", "Mode_A"}), QStringList({"3.5 Mhz", "F4KMB/P", "89001", "CW"}));

    s.click("Efface_A");
    QVERIFY(Activate(*list.window()));
    QTest::keyClick(&list, Qt::Key_Up);
    QTest::keyClick(&list, Qt::Key_Return);
    const QString refused = u"Radio : pas réglée sur 14,0250 MHz (valeur refusée par la radio)"_s;
    auto* message = Find<QLabel>(*list.window(), u"Message_Spots"_s);
    QTRY_COMPARE(message->text(), refused);
    QTest::qWait(1200);  // polls go by
    QCOMPARE(s.texts({"Radio_Etat", "Bande_A"}), QStringList({refused, "14 Mhz"}));
    rigctld.set({u"F"_s, u"3560000"_s});
    QTRY_COMPARE(s.text("Radio_Etat"), u"Radio : 3,5600 MHz CW"_s);
  }

  // Lines as nodes write them: a comment up to the time or the spotter, a spotter in small letters, a comment in
  // UTF-8. A spot on a band the entry lacks is listed, not taken; without a radio, the spot's mode is the QSO's.
  void linesAsNodesWriteThem() {
    ScriptedNode node;
    MainSession s(LogBytes({}));
    QTableView& list = OpenLoggedIn(s, node);
    node.write(
        "DX de f5eee:     14060.0  F4GLU        KMB 62001 lavoir de Sens CW 590906Z JN18\r\n"
        " 14070.0  F4TCH       05-Dec-2026 0904Z KMB 21001 merci<f5fff>\r\n"
        "DX de F5GGG:      3560.0  F4UTF        KMB 35001 Sainte-H\xc3\xa9l\xc3\xa8ne AM     0903Z\r\n"
        "DX de F5HHH:    432200.0  F4UHF        KMB 44001 FM                       0901Z\r\n");
    QTRY_COMPARE(
        Rows(list),
        QStringList({u"09:06|14060.0|F4GLU|62001|Nouveau lavoir|14 Mhz|CW|F5EEE|KMB 62001 lavoir de Sens CW 59"_s,
                     u"09:04|14070.0|F4TCH|21001|Nouveau lavoir|14 Mhz||F5FFF|KMB 21001 merci"_s,
                     u"09:03|3560.0|F4UTF|35001|Nouveau lavoir|3.5 Mhz|AM|F5GGG|KMB 35001 Sainte-Hélène AM"_s,
                     u"09:01|432200.0|F4UHF|44001|Nouveau lavoir|432 Mhz|FM|F5HHH|KMB 44001 FM"_s}));
    for (int down = 0; down < 3; ++down) QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_Return);
    const QString noBand = u"La saisie n'a pas de bande 432 Mhz : ce spot ne peut pas être repris dans le log."_s;
    QCOMPARE(Find<QLabel>(*list.window(), u"Message_Spots"_s)->text(), noBand);
    QCOMPARE(QAccessible::queryAccessibleInterface(Find<QLabel>(*list.window(), u"Message_Spots"_s))
                 ->text(QAccessible::Description),
             noBand);  // heard by a screen reader
    QCOMPARE(s.texts({"Bande_A", "Ind_A"}), QStringList({"1.8 Mhz", ""}));
    QTest::keyClick(&list, Qt::Key_Up);
    QTest::keyClick(&list, Qt::Key_Return);
    QCOMPARE(s.texts({"Bande_A", "Ind_A", "Ref_A", "Mode_A"}), QStringList({"3.5 Mhz", "F4UTF", "35001", "AM"}));
  }

  // Newest first, with a node's clock a little ahead of midnight; a list scrolled down keeps its place and its
  // chosen spot while spots come; after a burst of 10,000, the last one is listed at the top.
  void theNewestFirstAndTheOperatorsPlaceKept() {
    ScriptedNode node;
    MainSession s(LogBytes({}), false);
    s.env.clock.utc = {2026, 12, 5, 23, 58, 0};
    s.start();
    QTableView& list = OpenLoggedIn(s, node);
    node.write(Live("F4AAA", "89001", "2357") + Live("F4BBB", "89002", "2358") + Live("F4CCC", "89003", "2358") +
               Live("F4DDD", "89004", "0000") + Live("F4EEE", "89005", "0001"));
    QTRY_COMPARE(Calls(list), QStringList({"F4EEE", "F4DDD", "F4CCC", "F4BBB", "F4AAA"}));

    QByteArray earlier;
    for (int n = 0; n < 60; ++n)
      earlier += Live("F5N" + QByteArray::number(n), "01" + QByteArray::number(100 + n), "2350");
    node.write(earlier);
    QTRY_COMPARE(list.model()->rowCount(), 65);
    QTest::keyClick(&list, Qt::Key_PageDown);
    QTest::keyClick(&list, Qt::Key_PageDown);
    QVERIFY(list.verticalScrollBar()->value() > 0);
    const QString top = list.model()->index(list.rowAt(0), SpotListModel::Call).data().toString();
    const QString chosen = list.currentIndex().siblingAtColumn(SpotListModel::Call).data().toString();
    node.write(Live("F4FFF", "89006", "0001") + Live("F4GGG", "89007", "0001"));
    QTRY_COMPARE(list.model()->rowCount(), 67);
    QCOMPARE(list.model()->index(list.rowAt(0), SpotListModel::Call).data().toString(), top);
    QCOMPARE(list.currentIndex().siblingAtColumn(SpotListModel::Call).data().toString(), chosen);

    QByteArray burst;
    for (int n = 0; n < 10'000; ++n)
      burst += Live("F6N" + QByteArray::number(n), "02" + QByteArray::number(100 + n % 900), "0001");
    node.write(burst + Live("F4END", "89999", "0001"));
    QTRY_COMPARE_WITH_TIMEOUT(list.model()->index(0, SpotListModel::Call).data().toString(), u"F4END"_s, 10000);
    QCOMPARE(list.model()->rowCount(), 500);
  }

  // A node checked when silent, asking a question after the call, saying why it hangs up: each said in the status,
  // the request never sent as an answer, and the next try later each time a connection dies at once.
  void aNodeThatFallsSilentAsksOrHangsUp() {
    ScriptedNode node;
    MainSession s(LogBytes({}));
    QTableView& list = OpenLoggedIn(s, node, {2000, 200, 5000, 400, 400});
    auto* status = Find<QLabel>(*list.window(), u"Etat_Cluster"_s);
    const QString connected = u"Connecté à %1"_s.arg(node.address());
    QVERIFY(node.receives("sh/dx 50\r\n\r\n"));  // silent for a while: checked with a blank line
    node.write("F4ABC de NODE-1 >");
    QVERIFY(node.receives("sh/dx 50\r\n\r\n\r\n"));
    QCOMPARE(status->text(), connected);
    QTRY_COMPARE(status->text(),
                 u"Connexion perdue avec %1 (le nœud ne répond plus) : nouvel essai dans 2 s."_s.arg(node.address()));

    QTRY_COMPARE_WITH_TIMEOUT(node.connections, 2, 4000);
    node.received.clear();
    node.write("login: ");
    QVERIFY(node.receives("F4ABC\r\n"));
    node.write("Please enter your name: ");
    QTest::qWait(700);  // silences go by
    QCOMPARE(node.received, "F4ABC\r\n");
    QCOMPARE(status->text(), connected + u", mais le nœud attend une réponse : « Please enter your name: »"_s);

    node.write("\r\nSorry F4ABC is already connected, disconnecting\r\n");
    node.client->disconnectFromHost();
    QTRY_COMPARE(status->text(),
                 u"Connexion perdue avec %1 (le nœud a fermé la connexion : « Sorry F4ABC is already "
                 "connected, disconnecting ») : nouvel essai dans 4 s."_s.arg(node.address()));
    QTRY_VERIFY(status->text().endsWith(u"nouvel essai dans 3 s."_s));

    // A spot announced meanwhile: said at once that it cannot be sent, never asked to be confirmed.
    QTest::keyClick(&list, Qt::Key_A, Qt::AltModifier);
    QTRY_VERIFY(list.window()->findChild<QWidget*>(u"Annonce"_s));
    QWidget& announce = *list.window()->findChild<QWidget*>(u"Annonce"_s);
    QVERIFY(QTest::qWaitForWindowActive(&announce));
    for (const auto& [field, text] : {std::pair{"Annonce_Indicatif", "F4KMB"},
                                      {"Annonce_Frequence", "14025"},
                                      {"Annonce_Commentaire", "KMB 89001"}}) {
      auto* box = Find<QLineEdit>(announce, QString::fromLatin1(field));
      box->clear();
      TypeKeys(*box, QString::fromLatin1(text));
    }
    for (int i = 0; i < 4; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // the last on Envoyer
    QVERIFY(s.env.messages.last().startsWith(u"Le cluster n'est pas connecté : le spot ne peut pas être envoyé."_s));
    QVERIFY(s.env.messages.shown.filter(u"Envoyer ce spot"_s).isEmpty());
  }

  // The close box of the main window ends the program as "Quitter" does, within 2 s whatever the radio's host
  // does: the spots window closes with the node's connection, and the folder is free for the next start.
  void closingTheMainWindowEndsTheProgram() {
    ScriptedNode node;
    const FullListener radioHost;
    MainSession s(LogBytes({}), false);
    s.env.settings->write(kSetup, kRadioModele, u"2"_s);
    s.env.settings->write(kSetup, kRadioPort, QString::fromStdString(radioHost.address()));
    s.start();
    OpenLoggedIn(s, node);
    QCOMPARE(s.text("Radio_Etat"), u"Radio : connexion…"_s);
    QElapsedTimer closing;
    closing.start();
    QTimer::singleShot(0, s.main.get(), [&s] { s.main->close(); });
    QTimer bound;
    bound.callOnTimeout([] { QCoreApplication::exit(1); });
    bound.start(10'000);
    QCOMPARE(QApplication::exec(), 0);
    s.main.reset();  // as the program's end does
    QCOMPARE_LT(closing.elapsed(), 2000);
    QVERIFY(TopLevels(u"Spots"_s).isEmpty());
    QTRY_COMPARE(node.client->state(), QAbstractSocket::UnconnectedState);
    s.start();  // not refused: the folder's lock went with the program
    QVERIFY(s.env.messages.shown.isEmpty());
  }

  // Listening from the start, a new lavoir is told in Etat_Spots and the desktop asked, once an hour for that
  // lavoir on that band, with the sound unless unticked; the keyboard stays in the entry. From the status line the
  // spots open on the newest new lavoir, and the window's choices hide the right rows.
  void theWatchListensFromTheStartAndTellsNewLavoirs() {
    ScriptedNode node;
    MainSession s(LogBytes({LogLine("F4KMB", "89", "89001", "05/12/26", "08:00", "14 Mhz")}), false);
    s.env.settings->write(kSetup, kClusterNoeud, node.address());
    s.env.settings->write(kSetup, kClusterAuDemarrage, u"Oui"_s);
    s.start();
    QList<bool> requests;
    Watch(s).setAttention(std::make_unique<RecordedAttention>(requests));
    QTRY_COMPARE(node.connections, 1);
    node.write("login: ");
    QVERIFY(node.receives("F4ABC\r\n"));
    node.write("F4ABC de NODE-1 >");
    QVERIFY(node.receives("sh/dx 50\r\n"));
    QTRY_COMPARE(s.text("Etat_Spots"), u"Spots : connecté, rien de nouveau"_s);
    s.type("Ind_A", u"F6"_s);
    node.write(Live("F4KMB", "89001", "0905") + Live("TM5KMB", "89001", "0906", "7025.0") +
               "Sorry, unknown command\r\n");
    QTRY_COMPARE(s.text("Etat_Spots"), u"Nouveau lavoir sur l'air : TM5KMB, 89001, 7.0 Mhz"_s);
    QCOMPARE(requests, QList<bool>{true});
    QVERIFY(s.focusedOn("Ind_A") && s.text("Ind_A") == u"F6"_s && s.env.messages.shown.isEmpty());
    s.env.settings->write(kSetup, kClusterAnnonceSonore, u"Non"_s);
    node.write(Live("TM5KMB", "89001", "0907", "7026.0") + Live("F4VHF", "21001", "0907", "144300.0"));
    QTRY_COMPARE(requests, (QList<bool>{true, false}));
    s.env.clock.utc.minute += 1;
    node.write(Live("F4KMB", "89001", "0908"));
    QTRY_COMPARE(s.text("Etat_Spots"), u"Spots : 2 nouveaux lavoirs sur l'air"_s);

    s.click("Efface_A");
    s.widget("Radio_Etat")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(s.focusedOn("Etat_Spots"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QWidget* spots = TopLevels(u"Spots"_s).value(0);
    QVERIFY(spots && QTest::qWaitForWindowActive(spots));
    auto* list = Find<QTableView>(*spots, u"Liste_Spots"_s);
    QCOMPARE(list->currentIndex().siblingAtColumn(SpotListModel::Call).data().toString(), u"F4VHF"_s);
    QCOMPARE(Calls(*list), QStringList({"F4KMB", "F4VHF", "TM5KMB"}));
    QTest::keyClick(list, Qt::Key_N, Qt::AltModifier);  // a check box's letter clicks it a moment later
    QTRY_COMPARE(Calls(*list), QStringList({"F4VHF", "TM5KMB"}));
    QTest::keyClick(list, Qt::Key_B, Qt::AltModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    QCOMPARE(Calls(*list), QStringList({"F4VHF"}));
    QCOMPARE(s.env.settings->read(kSetup, kSpotsBandes) + s.env.settings->read(kSetup, kSpotsNouveauxSeulement),
             u"VHFOui"_s);
    QVERIFY(Find<QPlainTextEdit>(*spots, u"Messages_Noeud"_s)->toPlainText().contains(u"Sorry, unknown command"_s));
  }

  // The node and the call sign are set in "Préférences", the node checked as typed; the station's call by default.
  void preferencesSetTheNodeAndTheCall() {
    MainSession s({});
    s.main->show();
    s.trigger("Mnu_Preferences");
    const QPointer<QWidget> window = TopLevels(u"Preferences"_s).value(0);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(Find<QLineEdit>(*window, u"Cluster_Indicatif"_s)->text(), u"F4ABC"_s);
    auto* node = Find<QLineEdit>(*window, u"Cluster_Noeud"_s);
    node->setFocus();
    QTest::keyClicks(node, "127.0.0.1");
    for (int i = 0; i < 5; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(s.env.messages.last().contains(u"« Cluster Noeud » est refusé"_s));
    QVERIFY(node->hasFocus());
    QTest::keyClicks(node, ":7300");
    // Listening from the start ticked, the sound unticked, each with the space bar on its way.
    for (const Qt::Key key :
         {Qt::Key_Return, Qt::Key_Return, Qt::Key_Space, Qt::Key_Return, Qt::Key_Space, Qt::Key_Return, Qt::Key_Return})
      QTest::keyClick(QApplication::focusWidget(), key);
    QTRY_VERIFY(!window);
    QCOMPARE(s.env.settings->read(kSetup, kClusterNoeud), u"127.0.0.1:7300"_s);
    QCOMPARE(s.env.settings->read(kSetup, kClusterIndicatif, u"unset"_s), QString());
    QCOMPARE(s.env.settings->read(kSetup, kClusterAuDemarrage), u"Oui"_s);
    QCOMPARE(s.env.settings->read(kSetup, kClusterAnnonceSonore), u"Non"_s);
  }
};

QTEST_MAIN(SpotsWindowTest)
#include "SpotsWindowTest.moc"
