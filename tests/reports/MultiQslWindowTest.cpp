#include "support/TestSupport.h"
#include "ui/reports/MultiQslWindow.h"

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

class MultiQslWindowTest : public QObject {
  Q_OBJECT
 private slots:
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
    QCOMPARE(q.call()->text(), QStringLiteral("FX"));
    QTest::keyClick(q.call(), Qt::Key_Return);
    QCOMPARE(q.list()->count(), 2);
    for (int i = 0; i < q.list()->count(); ++i) {
      QVERIFY(q.list()->item(i)->text().startsWith(QStringLiteral("05/12/26  09:07   89   KMB 89001")));
      QVERIFY(q.list()->item(i)->flags() & Qt::ItemIsUserCheckable);
      QCOMPARE(q.list()->item(i)->checkState(), Qt::Unchecked);
    }
    QCOMPARE(Find<QLabel>(q.window, "Label2")->text(), QStringLiteral("QSL's non reçues de FX"));
    QCOMPARE(q.call()->text(), QStringLiteral("FX"));
    QVERIFY(Find<QPushButton>(q.window, "Recherche")->hasFocus());
    QCOMPARE(q.env.messages.shown, QStringList());
  }

  void theButtonListsToo() {
    QslOnLog q({{"05/12/26", false}, {"06/12/26", false}});
    q.search(QStringLiteral("F1ABC"));
    QCOMPARE(q.list()->count(), 2);
    QVERIFY(q.list()->item(1)->text().startsWith(QStringLiteral("06/12/26")));
    q.search(QStringLiteral("F9ZZZ"));
    QCOMPARE(q.list()->count(), 0);
    QCOMPARE(q.env.messages.shown, QStringList());
  }

  void anEmptyCallSignIsRefused() {
    QslOnLog q({{"05/12/26", false}});
    QTest::keyClick(q.call(), Qt::Key_Return);
    QCOMPARE(q.env.messages.shown, QStringList{QStringLiteral("Entrez un indicatif")});
    QCOMPARE(Find<QLabel>(q.window, "Label2")->text(), QStringLiteral("QSL's non reçues"));
    QCOMPARE(q.list()->count(), 0);
    q.print();  // an empty list is refused
    QCOMPARE(q.env.messages.last(), QStringLiteral("Pas de QSO a imprimer"));
    // A card must name the station that confirms: an emptied box prints nothing.
    q.search(QStringLiteral("F1ABC"));
    q.tick(1);
    q.call()->clear();
    q.print();
    QCOMPARE(q.env.messages.last(), QStringLiteral("Entrez un indicatif"));
    QCOMPARE(q.env.printers.asked, 0);
  }

  void printingNothingPrintsNothing() {
    QslOnLog q({{"05/12/26", false}});
    q.search(QStringLiteral("F1ABC"));
    q.print();  // nothing ticked
    QCOMPARE(q.env.printers.asked, 0);
    q.tick(1);
    q.env.printers.accept = false;
    q.print();
    QCOMPARE(q.env.printers.asked, 1);
    QVERIFY(!QFile::exists(q.env.printers.pdfPath));
    QCOMPARE(q.env.messages.shown, QStringList());
  }

  void twentyTickedQsosPrintTwoCardsInCourierBold() {
    if (!HasPdfTools()) QSKIP("poppler-utils are not installed");
    QslOnLog q;
    for (int day = 1; day <= 22; ++day)
      q.logbook.addLine(
          LogLine("F1ABC", "89", "89001", QStringLiteral("%1/12/26").arg(day, 2, 10, QLatin1Char('0')).toStdString()));
    q.search(QStringLiteral("F1"));
    QCOMPARE(q.list()->count(), 22);
    q.tick(20);
    q.call()->setText(QStringLiteral("F1ABC"));  // the heading takes the box's text at printing time
    q.print();
    QCOMPARE(q.env.messages.shown, QStringList());
    // The layout text keeps the lines but not every blank: compare words.
    QStringList expected;
    for (int first = 1; first <= 20; first += 18) {
      expected << QStringLiteral("F1ABC confirme les QSO's suivants avec la station F4ABC/P")
               << QStringLiteral("Date Debut Dpt N° KMB Mode Bande RstE RstR |");
      for (int day = first; day <= std::min(20, first + 17); ++day)
        expected << QStringLiteral("%1/12/26 09:07 89 KMB 89001 SSB 14 Mhz 59 59").arg(day, 2, 10, QLatin1Char('0'));
      expected << QStringLiteral("signature :") << QStringLiteral("-");
    }
    QCOMPARE(PrintedLines(q.env.printers.pdfPath), expected);
    const QString used = PdfFonts(q.env.printers.pdfPath);
    QVERIFY2(used.contains(QStringLiteral("Mono-Bold")) || used.contains(QStringLiteral("Courier")), qPrintable(used));
  }
};

QTEST_MAIN(MultiQslWindowTest)
#include "MultiQslWindowTest.moc"
