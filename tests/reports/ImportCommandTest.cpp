// "Importer un fichier ADIF" through the main window: Qt's file chooser, the
// summary, one rewrite of the log. Every answer is a key press.
#include <QFileDialog>
#include <QListView>

#include "support/MainSession.h"

namespace {

// Runs `act` on the next modal window of that class or name, as soon as it shows.
void WhenShown(const char* name, std::function<void(QWidget&)> act) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [poll, name, act] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || (!modal->inherits(name) && modal->objectName() != QLatin1String(name))) return;
    poll->deleteLater();
    QApplication::setActiveWindow(modal);
    act(*modal);
  });
  poll->start(10);
}

// The chooser opens in the program folder, on ADIF files; the name is typed.
void Choose(TestEnvironment& env, const std::string& file) {
  WhenShown("QFileDialog", [&env, file](QWidget& window) {
    auto& chooser = static_cast<QFileDialog&>(window);
    QCOMPARE(chooser.directory().absolutePath(), QString::fromStdString(env.folder().string()));
    QVERIFY(chooser.nameFilters().join(u' ').contains(QStringLiteral("*.adi *.adif")));
    QTest::keyClicks(QApplication::focusWidget(), QString::fromStdString(file));  // the name box has the focus
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  });
}

void Answer(Qt::Key key, QString* counts = nullptr) {
  WhenShown("Importation_ADIF", [key, counts](QWidget& summary) {
    if (counts) *counts = summary.findChild<QLabel*>(QStringLiteral("Compte_Import"))->text();
    QTest::keyClick(QApplication::focusWidget(), key);
  });
}

const QByteArray kTwoNewOneKnown =
    "<call:5>F4NEW <qso_date:8>20261201 <time_on:4>0800 <band:3>20m <mode:3>SSB <rst_rcvd:2>59 <rst_sent:2>59 "
    "<name:4>Paul <state:2>21 "
    "<sig:5>21001 <eor>\r\n"
    "<call:5>F5NEW <qso_date:8>20261206 <time_on:4>0900 <band:3>40m <mode:2>CW <rst_rcvd:2>59 <rst_sent:2>59 "
    "<sig:5>21002 <eor>\r\n"
    "<call:5>F1AAA <qso_date:8>20261205 <time_on:4>0907 <band:3>20m <mode:3>SSB <sig:5>89001 <eor>\r\n";

}  // namespace

class ImportCommandTest : public QObject {
  Q_OBJECT
 private slots:
  void importAddsTheNewQsosInDateOrderAndLearnsTheirNames() {
    const QByteArray known = LogLine("F1AAA", "89", "89001", "05/12/26", "09:07", "14 Mhz");
    MainSession s(LogBytes({known}));
    s.env.writeFile("autre.adi", kTwoNewOneKnown);
    Choose(s.env, "autre.adi");
    QString counts;
    Answer(Qt::Key_Return, &counts);
    s.trigger("Mnu_Import_ADIF");
    QCOMPARE(counts, QStringLiteral("2 QSO à ajouter, 1 déjà dans le log, 0 refusé(s)."));
    QCOMPARE(s.log(),
             LogBytes({LogLine("F4NEW", "21", "21001", "01/12/26", "08:00", "14 Mhz", false, "", "PAUL"), known,
                       LogLine("F5NEW", "", "21002", "06/12/26", "09:00", "7.0 Mhz", false, "", "", "CW")}));
    QCOMPARE(s.firstNames(), QByteArray("F4NEW        21 PAUL\r\nF5NEW           \r\n"));
    QCOMPARE(int(s.main->listRows().size()), 3);
    QCOMPARE(s.env.messages.last(), QStringLiteral("2 QSO importés"));
  }

  void cancelWritesNothingAndAFileThatIsNoAdifIsSaid() {
    const QByteArray log = LogBytes({LogLine("F1AAA", "89", "89001")});
    MainSession s(log);
    s.env.writeFile("autre.adi", kTwoNewOneKnown);
    Choose(s.env, "autre.adi");
    Answer(Qt::Key_Escape);
    s.trigger("Mnu_Import_ADIF");
    s.env.writeFile("carnet.adif", "Indicatif;Date\r\nF4ABC;05/12/26\r\n");
    Choose(s.env, "carnet.adif");
    s.trigger("Mnu_Import_ADIF");
    QVERIFY(s.env.messages.last().endsWith(QStringLiteral("n'est pas un fichier ADIF : rien n'a été importé.")));
    QCOMPARE(s.log(), log);
    QVERIFY(!s.env.exists("Liste_Prenom.txt"));
  }
};

QTEST_MAIN(ImportCommandTest)
#include "ImportCommandTest.moc"
