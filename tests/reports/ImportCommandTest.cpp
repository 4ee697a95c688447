// Files from elsewhere through the main window: "Importer un fichier ADIF"
// and the confirmations of "QSL reçues". Qt's file chooser, the summary, one
// rewrite of the log; every answer is a key press.
#include <QListView>
#include <cerrno>
#include <latch>

#include "core/log/LogRewrite.h"
#include "support/FaultyFileSystem.h"
#include "support/MainSession.h"

namespace {

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

// "QSL reçues" opened from the main window; the keyboard should go to its call sign.
QWidget& OpenQslReceived(const MainSession& s) {
  s.trigger("Mnu_QSL_Recues");
  QWidget& window = *TopLevels(u"QSL_Recues"_s).value(0);
  static_cast<void>(
      QTest::qWaitFor([&window] { return QApplication::focusWidget() == window.findChild<QWidget*>(u"Indicatif"_s); }));
  return window;
}

void Key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

}  // namespace

class ImportCommandTest : public QObject {
  Q_OBJECT
 private slots:
  void importAddsTheNewQsosInDateOrderAndLearnsTheirNames() {
    const QByteArray known = LogLine("F1AAA", "89", "89001", "05/12/26", "09:07", "14 Mhz");
    MainSession s(LogBytes({known}));
    s.env.writeFile("autre.adi", kTwoNewOneKnown);
    ChooseAdifFile(s.env, "autre.adi");
    QString counts;
    Answer(Qt::Key_Return, &counts);
    s.trigger("Mnu_Import_ADIF");
    QCOMPARE(counts, QStringLiteral("2 QSO à ajouter, 1 déjà dans le log, 0 refusé."));
    QCOMPARE(s.log(),
             LogBytes({LogLine("F4NEW", "21", "21001", "01/12/26", "08:00", "14 Mhz", false, "", "PAUL"), known,
                       LogLine("F5NEW", "", "21002", "06/12/26", "09:00", "7.0 Mhz", false, "", "", "CW")}));
    QCOMPARE(s.firstNames(), QByteArray("F4NEW        21 PAUL\r\nF5NEW           \r\n"));
    QCOMPARE(int(s.main->listedLines().size()), 3);
    QCOMPARE(s.env.messages.last(), QStringLiteral("2 QSO importés"));
    QTRY_COMPARE(QApplication::focusWidget(), s.widget("Ind_A"));  // the keyboard back, on a new QSO's call sign
    QTest::keyClicks(QApplication::focusWidget(), u"f4xyz"_s);
    QCOMPARE(s.text("Ind_A"), u"F4XYZ"_s);
  }

  // A digital-mode program's export names nobody: the list keeps what it knows, and of several QSOs of one
  // call sign the latest gives the first name. The counts agree with their numbers.
  void importKeepsKnownFirstNamesAndCountsInWords() {
    MainSession s(QByteArray{});
    const QByteArray list = "F4NEW        21 PAUL\r\nF6OLD        89 ANNE\r\n";
    s.env.writeFile("Liste_Prenom.txt", list);
    const auto qso = [](const char* call, const char* date, const QByteArray& more = {}) {
      return "<call:5>" + QByteArray(call) + " <qso_date:8>" + date +
             " <time_on:4>0900 <band:3>20m <mode:3>FT8 <sig:5>21001 " + more + "<eor>\r\n";
    };
    s.env.writeFile("ft8.adi", qso("F6OLD", "20261206", "<name:16>Pierre-Alexandre <state:2>75 ") +
                                   qso("F4NEW", "20261201") +
                                   qso("F6OLD", "20261201", "<name:16>Marie-Antoinette <state:2>NY ") +
                                   qso("F1BAD", "20260231") + "<call:5>F1CUT <qso_date:8>2026");
    ChooseAdifFile(s.env, "ft8.adi");
    QString counts;
    Answer(Qt::Key_Return, &counts);
    s.trigger("Mnu_Import_ADIF");
    QCOMPARE(counts,
             u"3 QSO à ajouter, 0 déjà dans le log, 2 refusés. 2 prénoms coupés à 15 caractères. 3 QSO sans "
             "report reçu ou envoyé : la modification de l'un d'eux demandera de le saisir."_s);
    QCOMPARE(s.env.messages.last(), u"3 QSO importés"_s);
    QCOMPARE(s.firstNames(), QByteArray("F4NEW        21 PAUL\r\nF6OLD        75 PIERRE-ALEXANDR\r\n"));
    s.env.writeFile("un.adi", qso("F5ONE", "20261208", "<name:16>Pierre-Alexandre ") + qso("F4NEW", "20261201") +
                                  qso("F1BAD", "20260231"));
    ChooseAdifFile(s.env, "un.adi");
    Answer(Qt::Key_Return, &counts);
    s.trigger("Mnu_Import_ADIF");
    QCOMPARE(counts,
             u"1 QSO à ajouter, 1 déjà dans le log, 1 refusé. 1 prénom coupé à 15 caractères. 1 QSO sans "
             "report reçu ou envoyé : sa modification demandera de le saisir."_s);
    QCOMPARE(s.env.messages.last(), u"1 QSO importé"_s);
  }

  void cancelWritesNothingAndAFileThatIsNoAdifIsSaid() {
    const QByteArray log = LogBytes({LogLine("F1AAA", "89", "89001")});
    MainSession s(log, false);
    FaultyFileSystem files(s.env.files);
    AppContext context{s.env.folder(), files,          s.env.messages, *s.env.settings,
                       s.env.clock,    s.env.printers, s.env.folders};
    s.start(&context);
    s.env.writeFile("autre.adi", kTwoNewOneKnown);
    ChooseAdifFile(s.env, "autre.adi");
    Answer(Qt::Key_Escape);
    s.trigger("Mnu_Import_ADIF");
    s.env.writeFile("carnet.adif", "Indicatif;Date\r\nF4ABC;05/12/26\r\n");
    ChooseAdifFile(s.env, "carnet.adif");
    s.trigger("Mnu_Import_ADIF");
    QVERIFY(s.env.messages.last().endsWith(QStringLiteral("n'est pas un fichier ADIF : rien n'a été importé.")));
    files.failAt(kmb::IoError::Step::Read, EACCES, 1);  // the file is read, the list of first names is not
    ChooseAdifFile(s.env, "autre.adi");
    Answer(Qt::Key_Return);
    s.trigger("Mnu_Import_ADIF");
    QVERIFY(s.env.messages.last().startsWith(u"La liste des prénoms ne peut pas être lue : rien n'a été importé."_s));
    QCOMPARE(s.log(), log);
    std::latch cancelled{1};  // the reading waits on the disk until "Annuler" is pressed
    files.beforeRead = [&cancelled] { cancelled.wait(); };
    ChooseAdifFile(s.env, "autre.adi");
    Answer(Qt::Key_Return);  // imports, were the summary shown
    WhenShown("Lecture_ADIF", [&cancelled](QWidget&) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
      cancelled.count_down();
    });
    s.trigger("Mnu_Import_ADIF");
    QCOMPARE(s.log(), log);
    QVERIFY(!s.env.exists("Liste_Prenom.txt"));
  }

  // A card back confirms two QSOs: typed, ticked with the space bar, confirmed, in one rewrite where only
  // their QSL column changes. A QSO being typed in the entry is never emptied by it.
  void tickedQsosAreConfirmedWithKeysAlone() {
    const QByteArrayList lines{LogLine("F1ABC", "89", "89001", "01/12/26"), LogLine("F1ABC", "89", "89002", "02/12/26"),
                               LogLine("F5XYZ", "21", "21001", "02/12/26"),
                               LogLine("F1ABC", "89", "89003", "03/12/26", "10:00", "7.0 Mhz", true),
                               LogLine("F1ABC", "89", "89004", "04/12/26", "11:00", "144 Mhz", false, "LAVOIR")};
    MainSession s(LogBytes({lines[0], lines[1], lines[2], lines[3], lines[4]}));
    s.type("Ind_A", u"F6NEW"_s);
    QWidget& window = OpenQslReceived(s);
    QCOMPARE(QApplication::focusWidget()->objectName(), u"Indicatif"_s);
    TypeKeys(*QApplication::focusWidget(), u"f1"_s);
    Key(Qt::Key_Return);
    auto* list = Find<QListWidget>(window, u"Liste_QSO"_s);
    QCOMPARE(list->count(), 3);
    QCOMPARE(QApplication::focusWidget(), list);
    Key(Qt::Key_Tab);
    Key(Qt::Key_Return);  // nothing ticked yet
    QVERIFY(s.env.messages.last().startsWith(u"Aucun QSO n'est coché"_s));
    list->setFocus();
    Key(Qt::Key_Space);
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    Key(Qt::Key_Space);
    Key(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), u"Confirmer_QSL"_s);
    Key(Qt::Key_Return);
    QVERIFY(s.env.messages.last().startsWith(u"Un QSO est en cours de saisie"_s));
    QCOMPARE(s.text("Ind_A"), u"F6NEW"_s);
    s.click("Efface_A");
    window.activateWindow();
    Find<QWidget>(window, u"Confirmer_QSL"_s)->setFocus();
    Key(Qt::Key_Return);
    const auto marked = [](QByteArray line) { return line.replace(106, 1, "*"); };
    QCOMPARE(s.log(), LogBytes({marked(lines[0]), lines[1], lines[2], lines[3], marked(lines[4])}));
    QCOMPARE(s.env.messages.last(), u"2 QSO confirmés : leur QSL reçue est enregistrée dans le log."_s);
    QCOMPARE(list->count(), 1);
    QCOMPARE(s.main->listedLines().back(), kmb::Bytes(marked(lines[4]).toStdString()));
  }

  // Confirmations in an ADIF file: a summary first, Escape writes nothing, "Confirmer" marks the matched
  // QSOs; a log changed while the summary shows is never marked by it.
  void aConfirmationFileIsSummedUpBeforeItIsWritten() {
    const QByteArrayList lines{LogLine("F1ABC", "89", "89001", "05/12/26", "09:07"),
                               LogLine("F6AAA", "21", "21001", "06/12/26", "12:00"),
                               LogLine("F6AAA", "21", "21002", "06/12/26", "12:20"),
                               LogLine("F5XYZ", "21", "21003", "31/12/26", "23:50", "14 Mhz", false, "", "", "FT8")};
    const QByteArray log = LogBytes({lines[0], lines[1], lines[2], lines[3]});
    MainSession s(log);
    s.env.writeFile("lotwreport.adi",
                    "<PROGRAMID:4>LoTW\n<eoh>\n"
                    "<CALL:5>F1ABC<BAND:3>20M<MODE:3>SSB<QSO_DATE:8>20261205<TIME_ON:6>091000<QSL_RCVD:1>Y<eor>\n"
                    "<CALL:5>F5XYZ<BAND:3>20M<MODE:3>FT8<QSO_DATE:8>20270101<TIME_ON:6>000500<QSL_RCVD:1>Y<eor>\n"
                    "<CALL:5>F6AAA<BAND:3>20M<MODE:3>SSB<QSO_DATE:8>20261206<TIME_ON:6>121000<QSL_RCVD:1>Y<eor>\n"
                    "<CALL:5>EA3XX<BAND:3>40M<MODE:2>CW<QSO_DATE:8>20261201<TIME_ON:6>195900<QSL_RCVD:1>Y<eor>\n");
    QWidget& window = OpenQslReceived(s);
    auto* readFile = Find<QWidget>(window, u"Lire_Confirmations"_s);
    QString counts;
    const auto readAnswering = [&](Qt::Key key, std::function<void()> meanwhile = {}) {
      ChooseAdifFile(s.env, "lotwreport.adi");
      WhenShown("Confirmations_Recues", [&counts, key, meanwhile](QWidget& summary) {
        counts = summary.findChild<QLabel*>(u"Compte_Confirmations"_s)->text();
        if (meanwhile) meanwhile();
        summary.activateWindow();
        Key(key);
      });
      QTRY_VERIFY(window.isActiveWindow());  // the keyboard back after each reading
      readFile->setFocus();
      Key(Qt::Key_Return);
      QTRY_VERIFY(!counts.isEmpty() && !QApplication::activeModalWidget());
    };
    readAnswering(Qt::Key_Escape);
    QCOMPARE(counts, u"2 QSO à confirmer, 0 déjà confirmé, 1 sans QSO dans le log, 1 ambigu."_s);
    QCOMPARE(s.log(), log);
    counts.clear();
    readAnswering(Qt::Key_Return, [&s] {
      QVERIFY(s.main->changeLog([](kmb::Lines l) { return kmb::DeleteLogLineAt(std::move(l), 0); }, {},
                                {kmb::ChangeKind::Deleted, {}, 1}));
    });
    QVERIFY(
        s.env.messages.last().startsWith(u"Le log a changé depuis que ces QSO ont été lus : rien n'a été écrit."_s));
    const QByteArray shorter = LogBytes({lines[1], lines[2], lines[3]});
    QCOMPARE(s.log(), shorter);
    counts.clear();
    readAnswering(Qt::Key_Return);
    QCOMPARE(counts, u"1 QSO à confirmer, 0 déjà confirmé, 2 sans QSO dans le log, 1 ambigu."_s);
    QCOMPARE(s.log(), LogBytes({lines[1], lines[2], QByteArray(lines[3]).replace(106, 1, "*")}));
    QCOMPARE(s.env.messages.last(), u"1 QSO confirmé : sa QSL reçue est enregistrée dans le log."_s);
  }
};

QTEST_MAIN(ImportCommandTest)
#include "ImportCommandTest.moc"
