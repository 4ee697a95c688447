// The reports the operator asks for: the ADIF export, the awaited QSL cards.
#include <cerrno>

#include "support/FaultyFileSystem.h"
#include "support/MainSession.h"
#include "support/TempFolder.h"
#include "ui/reports/AdifExportCommand.h"
#include "ui/reports/MultiQslWindow.h"

using namespace settings_keys;

namespace {

// The window over the given QSOs of F1ABC (date, QSL received).
struct QslOnLog {
  explicit QslOnLog(std::initializer_list<std::pair<std::string, bool>> qsos = {}) {
    for (const auto& [date, qsl] : qsos) logbook.addLine(LogLine("F1ABC", "89", "89001", date, "09:07", "14 Mhz", qsl));
  }
  QLineEdit* call() { return Find<QLineEdit>(window, "Indicatif"); }
  QListWidget* list() { return Find<QListWidget>(window, "Liste_QSO"); }
  void search(const QString& text) {
    call()->setText(text);
    Find<QPushButton>(window, "Recherche")->click();
  }
  void tick(int count) {
    for (int i = 0; i < count; ++i) list()->item(i)->setCheckState(Qt::Checked);
  }
  void print() { Find<QPushButton>(window, "Imprimer")->click(); }

  TestEnvironment env;
  FakeLogbook logbook{"F4ABC_P"};
  MultiQslWindow window{env.context, logbook};
};

}  // namespace

class ReportsWindowsTest : public QObject {
  Q_OBJECT
 private slots:
  void adifExportNamesTheFileAndCountsTheQsosWithoutDateOrTime() {
    MainSession s({}, false);
    s.env.settings->write(kSetup, kIndicatifStation, "F4ABC_P");
    s.env.writeFile("F4ABC_P_KMB.log", LogBytes({LogLine("F1AAA", "89", "89001")}));
    s.start();
    s.env.messages.clear();
    s.env.messages.chooseAction = true;
    s.trigger("Mnu_ADIF");
    QCOMPARE(s.env.messages.shown, QStringList{u"Le fichier a été enregistré sous le nom : F4ABC_P_KMB.adi\r\n"
                                               "dans le dossier : "_s +
                                               QString::fromStdString(s.env.folder().string())});
    QCOMPARE(s.env.folders.opened, std::vector{s.env.folder()});
    QVERIFY(s.env.readFile("F4ABC_P_KMB.adi").contains("<CALL:5>F1AAA"));
    // Lines typed by hand with dates or times that never were are said.
    s.env.writeFile("F4ABC_P_KMB.log",
                    LogBytes({LogLine("F1AAA", "89", "89001"), LogLine("F1CCC", "89", "89002", "31/02/26"),
                              LogLine("F1DDD", "89", "89003", "05/12/26", "25:99")}));
    s.trigger("Mnu_ADIF");
    QVERIFY(
        s.env.messages.last().endsWith(QStringLiteral("2 QSO du log n'ont pas de date ou d'heure valable : ils ont "
                                                      "été exportés avec QSO_DATE ou TIME_ON vide.")));
  }

  void adifExportThatCannotWriteSaysWhyAndKeepsThePreviousFile() {
    TestEnvironment env;
    env.writeFile("F4ABC_KMB.log", LogBytes({LogLine("F1AAA", "89", "89001")}));
    env.writeFile("F4ABC_KMB.adi", "ancien export\r\n");
    FaultyFileSystem faulty(env.files);
    faulty.failAt(kmb::IoError::Step::Write, ENOSPC);
    AppContext context{env.folder(), faulty, env.messages, *env.settings, env.clock, env.printers, env.folders};
    ExportAdifFile(context, "F4ABC", nullptr);
    QCOMPARE(env.messages.shown.size(), 1);
    QVERIFY(env.messages.last().startsWith(u"Impossible d'écrire le fichier"_s));
    QVERIFY(env.messages.last().contains(u"le disque est plein"_s));
    QCOMPARE(env.readFile("F4ABC_KMB.adi"), QByteArray("ancien export\r\n"));
  }

  void enterListsTheAwaitedQslsOfTheTypedCallSign() {
    QslOnLog q;
    for (const auto& [call, qsl] : {std::pair{"FXXXX", true}, {"FXXXX", false}, {"ZFXXY", false}, {"F1ABC", false}})
      q.logbook.addLine(LogLine(call, "89", "89001", "05/12/26", "09:07", "14 Mhz", qsl));
    QCOMPARE(q.list()->count(), 0);
    QVERIFY(IsMonospaced(q.list()->font()));
    q.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&q.window));
    q.call()->setFocus();
    QTest::keyClicks(q.call(), "fx");
    QCOMPARE(q.call()->text(), u"FX"_s);
    QTest::keyClick(q.call(), Qt::Key_Return);
    QCOMPARE(q.list()->count(), 2);
    for (int i = 0; i < q.list()->count(); ++i) {
      QVERIFY(q.list()->item(i)->text().startsWith(u"05/12/26  09:07   89   KMB 89001"_s));
      QVERIFY(q.list()->item(i)->flags() & Qt::ItemIsUserCheckable);
      QCOMPARE(q.list()->item(i)->checkState(), Qt::Unchecked);
    }
    QCOMPARE(Find<QLabel>(q.window, "Titre_QSL")->text(), u"QSL's non reçues de FX"_s);
    QCOMPARE(q.call()->text(), u"FX"_s);
    QVERIFY(Find<QPushButton>(q.window, "Recherche")->hasFocus());
    QCOMPARE(q.env.messages.shown, QStringList());
  }

  // Nothing listed, nothing ticked, no call sign (a card names the station that confirms) or a cancelled
  // printer choice: nothing printed. The button lists as Enter does, afresh each time.
  void printingIsRefusedOrSkippedWithoutCardToPrint() {
    QslOnLog q({{"05/12/26", false}, {"06/12/26", false}});
    QTest::keyClick(q.call(), Qt::Key_Return);
    QCOMPARE(q.env.messages.shown, QStringList{u"Entrez un indicatif"_s});
    QCOMPARE(Find<QLabel>(q.window, "Titre_QSL")->text(), u"QSL's non reçues"_s);
    QCOMPARE(q.list()->count(), 0);
    q.print();
    QCOMPARE(q.env.messages.last(), u"Pas de QSO a imprimer"_s);
    q.search(u"F1ABC"_s);
    QCOMPARE(q.list()->count(), 2);
    QVERIFY(q.list()->item(1)->text().startsWith(u"06/12/26"_s));
    q.print();  // nothing ticked: says what to do
    QVERIFY(q.env.messages.last().startsWith(u"Aucun QSO n'est coché"_s));
    q.tick(1);
    q.call()->clear();
    q.print();
    QCOMPARE(q.env.messages.last(), u"Entrez un indicatif"_s);
    QCOMPARE(q.env.printers.asked, 0);
    q.call()->setText(u"F1ABC"_s);
    q.env.printers.accept = false;
    q.print();
    QCOMPARE(q.env.printers.asked, 1);
    QVERIFY(!QFile::exists(q.env.printers.pdfPath));
    QCOMPARE(q.env.messages.shown.size(), 4);
    q.search(u"F9ZZZ"_s);
    QCOMPARE(q.list()->count(), 0);
  }

  void twentyTickedQsosPrintTwoCardsInCourierBold() {
    if (!HasPdfTools()) QSKIP("poppler-utils are not installed");
    QslOnLog q;
    for (int day = 1; day <= 22; ++day)
      q.logbook.addLine(LogLine("F1ABC", "89", "89001", u"%1/12/26"_s.arg(day, 2, 10, QLatin1Char('0')).toStdString()));
    q.search(u"F1"_s);
    QCOMPARE(q.list()->count(), 22);
    q.tick(20);
    q.call()->setText(u"F1ABC"_s);  // the heading takes the box's text at printing time
    q.print();
    QCOMPARE(q.env.messages.shown, QStringList());
    // The layout text keeps the lines but not every blank: compare words.
    const QString printed = QString::fromStdString(TestData("qsl-cards-20-printed.txt"));
    QCOMPARE(PrintedLines(q.env.printers.pdfPath), printed.split(u'\n', Qt::SkipEmptyParts));
    const QString used = PdfFonts(q.env.printers.pdfPath);
    QVERIFY2(used.contains(u"Mono-Bold"_s) || used.contains(u"Courier"_s), qPrintable(used));
  }
};

QTEST_MAIN(ReportsWindowsTest)
#include "ReportsWindowsTest.moc"
