#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

#include "app/LogbookView.h"
#include "log/LogLine.h"
#include "reports/MultiQslWindow.h"
#include "support/FakeLogbook.h"
#include "support/TestSupport.h"

namespace {

void Add(FakeLogbook& logbook, const std::string& call, bool qsl, const std::string& date = "05/12/26") {
  logbook.addLine(LogLine(call, "89", "89001", date, "09:07", "14 Mhz", qsl));
}


QStringList Items(QListWidget& list) {
  QStringList out;
  for (int i = 0; i < list.count(); ++i) out << list.item(i)->text();
  return out;
}

void TickFirst(QListWidget& list, int count) {
  for (int i = 0; i < count; ++i) list.item(i)->setCheckState(Qt::Checked);
}

QStringList PdfLines(const QString& pdf) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  if (!p.waitForFinished(30000)) return {};
  return QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'));
}

// The printed lines that hold text, blanks collapsed.
QStringList PrintedWords(const QString& pdf) {
  QStringList words;
  for (QString line : PdfLines(pdf)) {
    line = line.remove(QLatin1Char('\f')).simplified();
    if (!line.isEmpty()) words << line;
  }
  return words;
}

}  // namespace

class MultiQslWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void opensWithItsCaptionsAndAnEmptyList();
  void enterListsTheAwaitedQslsOfTheTypedCallSign();
  void theButtonListsToo();
  void anEmptyCallSignIsRefused();
  void printingAnEmptyListIsRefused();
  void nothingTickedPrintsNothing();
  void cancellingThePrinterChoicePrintsNothing();
  void twentyTickedQsosPrintTwoCardsInCourierBold();
};

void MultiQslWindowTest::opensWithItsCaptionsAndAnEmptyList() {
  TestEnvironment env;
  FakeLogbook logbook;
  MultiQslWindow w(env.context, logbook);
  QCOMPARE(w.objectName(), QStringLiteral("Multi_QSL"));
  QCOMPARE(w.windowTitle(), QStringLiteral("QSL's non reçues"));
  QCOMPARE(Find<QLabel>(w, "Label2")->text(), QStringLiteral("QSL's non reçues"));
  QCOMPARE(Find<QLabel>(w, "Label3")->text(), QStringLiteral("QSL's non reçues de "));
  QCOMPARE(Find<QLabel>(w, "Label6")->text(), QStringLiteral("Cliquez"));
  QCOMPARE(Find<QPushButton>(w, "Recherche")->text(), QStringLiteral("ICI"));
  QCOMPARE(Find<QLabel>(w, "Label1")->text(), QStringLiteral("pour les afficher"));
  QCOMPARE(Find<QPushButton>(w, "Imprimer")->text(), QStringLiteral("Imprimer"));
  QCOMPARE(Find<QPushButton>(w, "Imprimer")->toolTip(),
           QStringLiteral("Imprimer le dos d'une QSL avec la liste des QSO's cochés"));
  QCOMPARE(Find<QListWidget>(w, "Liste_QSO")->count(), 0);
  QVERIFY(IsMonospaced(Find<QListWidget>(w, "Liste_QSO")->font()));
  for (const char* frame : {"Frame1", "Frame2", "Frame3"}) QVERIFY(w.findChild<QWidget*>(frame));
}

void MultiQslWindowTest::enterListsTheAwaitedQslsOfTheTypedCallSign() {
  TestEnvironment env;
  FakeLogbook logbook;
  Add(logbook, "FXXXX", true);
  Add(logbook, "FXXXX", false);
  Add(logbook, "ZFXXY", false);
  Add(logbook, "F1ABC", false);
  MultiQslWindow w(env.context, logbook);
  w.show();
  QVERIFY(QTest::qWaitForWindowActive(&w));
  auto* indicatif = Find<QLineEdit>(w, "Indicatif");
  indicatif->setFocus();
  QTest::keyClicks(indicatif, "fx");
  QCOMPARE(indicatif->text(), QStringLiteral("FX"));
  QTest::keyClick(indicatif, Qt::Key_Return);
  auto* list = Find<QListWidget>(w, "Liste_QSO");
  const QString row = QStringLiteral("05/12/26  09:07   89   KMB 89001   SSB  14 Mhz   59   59") + QString(34, u' ');
  QCOMPARE(Items(*list), QStringList({row, row}));
  for (int i = 0; i < list->count(); ++i) {
    QVERIFY(list->item(i)->flags() & Qt::ItemIsUserCheckable);
    QCOMPARE(list->item(i)->checkState(), Qt::Unchecked);
  }
  QCOMPARE(Find<QLabel>(w, "Label2")->text(), QStringLiteral("QSL's non reçues de FX"));
  QCOMPARE(indicatif->text(), QStringLiteral("FX"));
  QVERIFY(Find<QPushButton>(w, "Recherche")->hasFocus());
  QCOMPARE(env.messages.shown, QStringList());
}

void MultiQslWindowTest::theButtonListsToo() {
  TestEnvironment env;
  FakeLogbook logbook;
  Add(logbook, "F1ABC", false);
  Add(logbook, "F1ABC", false, "06/12/26");
  MultiQslWindow w(env.context, logbook);
  Find<QLineEdit>(w, "Indicatif")->setText(QStringLiteral("F1ABC"));
  Find<QPushButton>(w, "Recherche")->click();
  auto* list = Find<QListWidget>(w, "Liste_QSO");
  QCOMPARE(list->count(), 2);
  QVERIFY(list->item(1)->text().startsWith(QStringLiteral("06/12/26")));
  Find<QLineEdit>(w, "Indicatif")->setText(QStringLiteral("F9ZZZ"));
  Find<QPushButton>(w, "Recherche")->click();
  QCOMPARE(list->count(), 0);
  QCOMPARE(env.messages.shown, QStringList());
}

void MultiQslWindowTest::anEmptyCallSignIsRefused() {
  TestEnvironment env;
  FakeLogbook logbook;
  Add(logbook, "F1ABC", false);
  MultiQslWindow w(env.context, logbook);
  QTest::keyClick(Find<QLineEdit>(w, "Indicatif"), Qt::Key_Return);
  QCOMPARE(env.messages.shown, QStringList{QStringLiteral("Entrez un indicatif")});
  QCOMPARE(Find<QLabel>(w, "Label2")->text(), QStringLiteral("QSL's non reçues"));
  QCOMPARE(Find<QListWidget>(w, "Liste_QSO")->count(), 0);
}

void MultiQslWindowTest::printingAnEmptyListIsRefused() {
  TestEnvironment env;
  FakeLogbook logbook;
  MultiQslWindow w(env.context, logbook);
  Find<QPushButton>(w, "Imprimer")->click();
  QCOMPARE(env.messages.shown, QStringList{QStringLiteral("Pas de QSO a imprimer")});
  QCOMPARE(env.printers.asked, 0);
}

void MultiQslWindowTest::nothingTickedPrintsNothing() {
  TestEnvironment env;
  FakeLogbook logbook;
  Add(logbook, "F1ABC", false);
  MultiQslWindow w(env.context, logbook);
  Find<QLineEdit>(w, "Indicatif")->setText(QStringLiteral("F1ABC"));
  Find<QPushButton>(w, "Recherche")->click();
  Find<QPushButton>(w, "Imprimer")->click();
  QCOMPARE(env.messages.shown, QStringList());
  QVERIFY(!QFile::exists(env.printers.pdfPath));
}

void MultiQslWindowTest::cancellingThePrinterChoicePrintsNothing() {
  TestEnvironment env;
  FakeLogbook logbook;
  Add(logbook, "F1ABC", false);
  MultiQslWindow w(env.context, logbook);
  Find<QLineEdit>(w, "Indicatif")->setText(QStringLiteral("F1ABC"));
  Find<QPushButton>(w, "Recherche")->click();
  TickFirst(*Find<QListWidget>(w, "Liste_QSO"), 1);
  env.printers.accept = false;
  Find<QPushButton>(w, "Imprimer")->click();
  QCOMPARE(env.printers.asked, 1);
  QVERIFY(!QFile::exists(env.printers.pdfPath));
  QCOMPARE(env.messages.shown, QStringList());
}

void MultiQslWindowTest::twentyTickedQsosPrintTwoCardsInCourierBold() {
  if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) QSKIP("pdftotext is not installed");
  TestEnvironment env;
  FakeLogbook logbook;
  for (int day = 1; day <= 22; ++day)
    Add(logbook, "F1ABC", false, QStringLiteral("%1/12/26").arg(day, 2, 10, QLatin1Char('0')).toStdString());
  MultiQslWindow w(env.context, logbook);
  auto* indicatif = Find<QLineEdit>(w, "Indicatif");
  indicatif->setText(QStringLiteral("F1"));
  Find<QPushButton>(w, "Recherche")->click();
  auto* list = Find<QListWidget>(w, "Liste_QSO");
  QCOMPARE(list->count(), 22);
  TickFirst(*list, 20);
  // The heading takes the box's text at printing time.
  indicatif->setText(QStringLiteral("F1ABC"));
  Find<QPushButton>(w, "Imprimer")->click();
  QCOMPARE(env.messages.shown, QStringList());
  QVERIFY(QFile::exists(env.printers.pdfPath));

  // The layout text keeps the lines but not every blank: compare words.
  QStringList expected;
  for (int first = 1; first <= 20; first += 18) {
    expected << QStringLiteral("F1ABC confirme les QSO's suivants avec la station F4ABC")
             << QStringLiteral("Date Debut Dpt N° KMB Mode Bande RstE RstR |");
    for (int day = first; day <= std::min(20, first + 17); ++day)
      expected << QStringLiteral("%1/12/26 09:07 89 KMB 89001 SSB 14 Mhz 59 59").arg(day, 2, 10, QLatin1Char('0'));
    expected << QStringLiteral("signature :") << QStringLiteral("-");
  }
  QCOMPARE(PrintedWords(env.printers.pdfPath), expected);

  QProcess fonts;
  fonts.start(QStringLiteral("pdffonts"), {env.printers.pdfPath});
  QVERIFY(fonts.waitForFinished(30000));
  const QString used = QString::fromUtf8(fonts.readAllStandardOutput());
  QVERIFY2(used.contains(QStringLiteral("Mono-Bold")) || used.contains(QStringLiteral("Courier")), qPrintable(used));
}

QTEST_MAIN(MultiQslWindowTest)
#include "MultiQslWindowTest.moc"
