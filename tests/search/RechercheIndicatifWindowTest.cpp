#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "app/LogbookView.h"
#include "log/LogLine.h"
#include "search/RechercheIndicatifWindow.h"
#include "support/FakeLogbook.h"
#include "support/TestSupport.h"

namespace {

void Add(FakeLogbook& logbook, const std::string& call, const std::string& dpt, const std::string& ref) {
  logbook.addLine(LogLine(call, dpt, ref));
}

// FXXXX 89001, FYYYY 89002, ZFXXY 2a001, F1ABC 77001.
FakeLogbook FourStations() {
  FakeLogbook logbook;
  Add(logbook, "FXXXX", "89", "89001");
  Add(logbook, "FYYYY", "89", "89002");
  Add(logbook, "ZFXXY", "2a", "2a001");
  Add(logbook, "F1ABC", "77", "77001");
  return logbook;
}


// The row numbers of the results, their first five characters.
QStringList ResultNumbers(QWidget& window) {
  auto* list = Find<QListWidget>(window, "QSO_Effectues");
  QStringList numbers;
  for (int i = 0; i < list->count(); ++i) numbers << list->item(i)->text().left(5);
  return numbers;
}

// The test's window, shown and active so that focus and clicks behave.
struct OpenWindow {
  explicit OpenWindow(TestEnvironment& env, FakeLogbook& logbook) : window(env.context, logbook) {
    window.show();
    if (!QTest::qWaitForWindowActive(&window)) qFatal("window not active");
  }
  QLineEdit* box(const char* name) { return Find<QLineEdit>(window, name); }
  // Clicks into a box (which selects its criterion), types and presses Enter.
  void enter(const char* name, const QString& typed) {
    QTest::mouseClick(box(name), Qt::LeftButton);
    QTest::keyClicks(box(name), typed);
    QTest::keyClick(box(name), Qt::Key_Return);
  }
  RechercheIndicatifWindow window;
};

}  // namespace

class RechercheIndicatifWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void opensOnTheCallSignCriterionWithEmptyBoxes();
  void aCallSignSearchListsMatchesInOrderAndEmptiesTheBox();
  void callSignInputErrorsAreReported();
  void aReferenceSearchListsThatReferenceOnly();
  void referenceInputErrorsAreReported();
  void aLowerCaseCorsicanReferenceIsFound();
  void aDepartmentSearchLowerCasesItsText();
  void departmentInputErrorsAreReported();
  void enterInAnotherBoxSearchesTheSelectedCriterion();
  void aSearchThatFindsNothingSaysSoAndEmptiesTheBoxes();
  void anEmptyMainListFindsNothing();
  void theOptionsMoveTheFocusToTheirBox();
  void aDoubleClickSelectsTheQsoInTheMainListAndCloses();
  void quitterCloses();
};

void RechercheIndicatifWindowTest::opensOnTheCallSignCriterionWithEmptyBoxes() {
  TestEnvironment env;
  FakeLogbook logbook = FourStations();
  OpenWindow w(env, logbook);
  QCOMPARE(w.window.objectName(), QStringLiteral("Recherche_Indicatif"));
  QCOMPARE(w.window.windowTitle(), QStringLiteral("Rechercher un QSO"));
  QCOMPARE(Find<QLabel>(w.window, "Label3")->text(), QStringLiteral("Rechercher un QSO par ..."));
  const QString header = Find<QLabel>(w.window, "Label13")->text();
  QCOMPARE(header, QStringLiteral("   N°   Indicatif          Dpt      Date       Bande   N° KMB             "
                                  "Nom du Lavoir              QSL"));
  QCOMPARE(header.size(), 104);
  QCOMPARE(Find<QRadioButton>(w.window, "Option1_1")->text(), QStringLiteral("Indicatif"));
  QCOMPARE(Find<QRadioButton>(w.window, "Option1_2")->text(), QStringLiteral("N° KMB"));
  QCOMPARE(Find<QRadioButton>(w.window, "Option1_3")->text(), QStringLiteral("Dpt"));
  QVERIFY(Find<QRadioButton>(w.window, "Option1_1")->isChecked());
  QCOMPARE(Find<QPushButton>(w.window, "Command1")->text(), QStringLiteral("Quitter"));
  auto* results = Find<QListWidget>(w.window, "QSO_Effectues");
  QCOMPARE(results->toolTip(), QStringLiteral("Double clique sur le QSO pour retour au log"));
  QVERIFY(IsMonospaced(results->font()));
  QCOMPARE(results->count(), 0);
  for (const char* box : {"Indica", "Data", "Depa"}) QCOMPARE(w.box(box)->text(), QString());
  QVERIFY(w.box("Indica")->hasFocus());
}

void RechercheIndicatifWindowTest::aCallSignSearchListsMatchesInOrderAndEmptiesTheBox() {
  TestEnvironment env;
  FakeLogbook logbook = FourStations();
  OpenWindow w(env, logbook);
  QTest::keyClicks(w.box("Indica"), "fx");
  QCOMPARE(w.box("Indica")->text(), QStringLiteral("FX"));
  QTest::keyClick(w.box("Indica"), Qt::Key_Return);
  QCOMPARE(ResultNumbers(w.window), QStringList({"    1", "    3"}));
  const QString first = Find<QListWidget>(w.window, "QSO_Effectues")->item(0)->text();
  QCOMPARE(first.size(), 86);
  QCOMPARE(first.left(24), QStringLiteral("    1  FXXXX         89 "));
  QCOMPARE(w.box("Indica")->text(), QString());
  QCOMPARE(env.messages.shown, QStringList());
}

void RechercheIndicatifWindowTest::callSignInputErrorsAreReported() {
  TestEnvironment env;
  FakeLogbook logbook = FourStations();
  OpenWindow w(env, logbook);
  w.enter("Indica", "fx");
  QTest::keyClicks(w.box("Indica"), "abcdefghijklm");
  QTest::keyClick(w.box("Indica"), Qt::Key_Return);
  QCOMPARE(env.messages.shown, QStringList{QStringLiteral("12 caracteres maxi pour l'indicatif")});
  QCOMPARE(w.box("Indica")->text(), QStringLiteral("ABCDEFGHIJKLM"));
  // No search ran: the previous results stay.
  QCOMPARE(ResultNumbers(w.window), QStringList({"    1", "    3"}));
  w.box("Indica")->clear();
  QTest::keyClick(w.box("Indica"), Qt::Key_Return);
  QCOMPARE(env.messages.last(), QStringLiteral("Entrez un indicatif"));
  QCOMPARE(env.messages.shown.size(), 2);
}

void RechercheIndicatifWindowTest::aReferenceSearchListsThatReferenceOnly() {
  TestEnvironment env;
  FakeLogbook logbook = FourStations();
  OpenWindow w(env, logbook);
  w.enter("Data", "89001");
  QVERIFY(Find<QRadioButton>(w.window, "Option1_2")->isChecked());
  QCOMPARE(ResultNumbers(w.window), QStringList{"    1"});
  QCOMPARE(w.box("Data")->text(), QString());
  QCOMPARE(env.messages.shown, QStringList());
}

void RechercheIndicatifWindowTest::referenceInputErrorsAreReported() {
  TestEnvironment env;
  FakeLogbook logbook = FourStations();
  OpenWindow w(env, logbook);
  const QString message = QStringLiteral("5 caracteres maxi pour la référence ex: 77001");
  w.enter("Data", "8900");
  QCOMPARE(env.messages.shown, QStringList{message});
  QCOMPARE(w.box("Data")->text(), QStringLiteral("8900"));
  w.box("Data")->clear();
  QTest::keyClick(w.box("Data"), Qt::Key_Return);
  QCOMPARE(env.messages.shown, QStringList({message, message}));
  QCOMPARE(ResultNumbers(w.window), QStringList());
}

void RechercheIndicatifWindowTest::aLowerCaseCorsicanReferenceIsFound() {
  TestEnvironment env;
  FakeLogbook logbook = FourStations();
  OpenWindow w(env, logbook);
  QTest::mouseClick(w.box("Data"), Qt::LeftButton);
  QTest::keyClicks(w.box("Data"), "2a001");
  QCOMPARE(w.box("Data")->text(), QStringLiteral("2A001"));
  QTest::keyClick(w.box("Data"), Qt::Key_Return);
  QCOMPARE(ResultNumbers(w.window), QStringList{"    3"});
  QCOMPARE(env.messages.shown, QStringList());
}

void RechercheIndicatifWindowTest::aDepartmentSearchLowerCasesItsText() {
  TestEnvironment env;
  FakeLogbook logbook = FourStations();
  OpenWindow w(env, logbook);
  QTest::mouseClick(w.box("Depa"), Qt::LeftButton);
  QTest::keyClicks(w.box("Depa"), "2A");
  QCOMPARE(w.box("Depa")->text(), QStringLiteral("2A"));
  QTest::keyClick(w.box("Depa"), Qt::Key_Return);
  QCOMPARE(ResultNumbers(w.window), QStringList{"    3"});
  w.enter("Depa", "89");
  QCOMPARE(ResultNumbers(w.window), QStringList({"    1", "    2"}));
  QCOMPARE(env.messages.shown, QStringList());
}

void RechercheIndicatifWindowTest::departmentInputErrorsAreReported() {
  TestEnvironment env;
  FakeLogbook logbook = FourStations();
  OpenWindow w(env, logbook);
  w.enter("Depa", "2AB");
  QCOMPARE(env.messages.shown, QStringList{QStringLiteral("2 caracteres maxi pour le département")});
  QCOMPARE(w.box("Depa")->text(), QStringLiteral("2ab"));
  w.box("Depa")->clear();
  QTest::keyClick(w.box("Depa"), Qt::Key_Return);
  QCOMPARE(env.messages.last(), QStringLiteral("Entrez un Canton"));
  w.enter("Depa", "9");
  QCOMPARE(env.messages.last(), QStringLiteral("Pas de QSO trouvé"));
  QCOMPARE(env.messages.shown.size(), 3);
}

void RechercheIndicatifWindowTest::enterInAnotherBoxSearchesTheSelectedCriterion() {
  TestEnvironment env;
  FakeLogbook logbook = FourStations();
  OpenWindow w(env, logbook);
  // Typed without a click: the call-sign criterion stays selected.
  QTest::keyClicks(w.box("Data"), "89001");
  QTest::keyClick(w.box("Data"), Qt::Key_Return);
  QVERIFY(Find<QRadioButton>(w.window, "Option1_1")->isChecked());
  QCOMPARE(env.messages.shown, QStringList{QStringLiteral("Entrez un indicatif")});
  QCOMPARE(w.box("Data")->text(), QStringLiteral("89001"));
  // With the department criterion and its box empty, its own message.
  Find<QRadioButton>(w.window, "Option1_3")->click();
  QTest::keyClick(w.box("Data"), Qt::Key_Return);
  QCOMPARE(env.messages.last(), QStringLiteral("Entrez un departement"));
  Find<QRadioButton>(w.window, "Option1_2")->click();
  w.box("Data")->clear();
  QTest::keyClicks(w.box("Indica"), "F");
  QTest::keyClick(w.box("Indica"), Qt::Key_Return);
  QCOMPARE(env.messages.last(), QStringLiteral("Entrez une référence"));
  QCOMPARE(w.box("Indica")->text(), QStringLiteral("F"));
}

void RechercheIndicatifWindowTest::aSearchThatFindsNothingSaysSoAndEmptiesTheBoxes() {
  TestEnvironment env;
  FakeLogbook logbook = FourStations();
  OpenWindow w(env, logbook);
  w.enter("Indica", "fx");
  w.box("Data")->setText(QStringLiteral("12345"));
  w.box("Depa")->setText(QStringLiteral("89"));
  QTest::mouseClick(w.box("Indica"), Qt::LeftButton);
  QTest::keyClicks(w.box("Indica"), "k9");
  QTest::keyClick(w.box("Indica"), Qt::Key_Return);
  QCOMPARE(env.messages.shown, QStringList{QStringLiteral("Pas de QSO trouvé")});
  QCOMPARE(ResultNumbers(w.window), QStringList());
  for (const char* box : {"Indica", "Data", "Depa"}) QCOMPARE(w.box(box)->text(), QString());
}

void RechercheIndicatifWindowTest::anEmptyMainListFindsNothing() {
  TestEnvironment env;
  FakeLogbook logbook;
  OpenWindow w(env, logbook);
  w.enter("Indica", "fx");
  QCOMPARE(env.messages.shown, QStringList{QStringLiteral("Pas de QSO trouvé")});
}

void RechercheIndicatifWindowTest::theOptionsMoveTheFocusToTheirBox() {
  TestEnvironment env;
  FakeLogbook logbook = FourStations();
  OpenWindow w(env, logbook);
  QTest::mouseClick(Find<QRadioButton>(w.window, "Option1_3"), Qt::LeftButton);
  QVERIFY(w.box("Depa")->hasFocus());
  QTest::mouseClick(Find<QRadioButton>(w.window, "Option1_2"), Qt::LeftButton);
  QVERIFY(w.box("Data")->hasFocus());
  QTest::mouseClick(Find<QRadioButton>(w.window, "Option1_1"), Qt::LeftButton);
  QVERIFY(w.box("Indica")->hasFocus());
  // Moving with the keyboard leaves the criterion alone.
  w.box("Depa")->setFocus(Qt::TabFocusReason);
  QVERIFY(Find<QRadioButton>(w.window, "Option1_1")->isChecked());
}

void RechercheIndicatifWindowTest::aDoubleClickSelectsTheQsoInTheMainListAndCloses() {
  TestEnvironment env;
  FakeLogbook logbook;
  for (int n = 1; n <= 15; ++n) Add(logbook, n == 12 ? "F5XYZ" : "F1ABC", "89", "89001");
  OpenWindow w(env, logbook);
  w.enter("Indica", "5x");
  QCOMPARE(ResultNumbers(w.window), QStringList{"   12"});
  auto* results = Find<QListWidget>(w.window, "QSO_Effectues");
  const QPoint centre = results->visualItemRect(results->item(0)).center();
  QTest::mouseClick(results->viewport(), Qt::LeftButton, {}, centre);
  QTest::mouseDClick(results->viewport(), Qt::LeftButton, {}, centre);
  QCOMPARE(logbook.selected, std::vector<int>{11});
  QVERIFY(!w.window.isVisible());
}

void RechercheIndicatifWindowTest::quitterCloses() {
  TestEnvironment env;
  FakeLogbook logbook = FourStations();
  OpenWindow w(env, logbook);
  QTest::mouseClick(Find<QPushButton>(w.window, "Command1"), Qt::LeftButton);
  QVERIFY(!w.window.isVisible());
  QVERIFY(logbook.selected.empty());
}

QTEST_MAIN(RechercheIndicatifWindowTest)
#include "RechercheIndicatifWindowTest.moc"
