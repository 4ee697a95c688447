#include "support/FakeLogbook.h"
#include "ui/search/RechercheIndicatifWindow.h"

namespace {

// FXXXX 89001, FYYYY 89002, ZFXXY 2a001, F1ABC 77001.
FakeLogbook FourStations() {
  FakeLogbook logbook;
  for (const auto& [call, dpt, ref] : {std::tuple{"FXXXX", "89", "89001"}, std::tuple{"FYYYY", "89", "89002"},
                                       std::tuple{"ZFXXY", "2a", "2a001"}, std::tuple{"F1ABC", "77", "77001"}})
    logbook.addLine(LogLine(call, dpt, ref));
  return logbook;
}

// The test's window over four stations, shown and active so that focus and clicks behave.
struct OpenWindow {
  explicit OpenWindow(FakeLogbook lines = FourStations()) : logbook(std::move(lines)), window(env.context, logbook) {
    window.show();
    if (!QTest::qWaitForWindowActive(&window)) qFatal("window not active");
  }
  QLineEdit* box(const char* name) { return Find<QLineEdit>(window, name); }
  QRadioButton* option(int n) { return Find<QRadioButton>(window, QStringLiteral("Option1_%1").arg(n)); }
  // Types into a box (after a click on it, which selects its criterion) and presses Enter.
  void enter(const char* name, const QString& typed, bool click = true) {
    if (click) QTest::mouseClick(box(name), Qt::LeftButton);
    QTest::keyClicks(box(name), typed);
    QTest::keyClick(box(name), Qt::Key_Return);
  }
  // The row numbers of the results, their first five characters.
  QStringList results() {
    auto* list = Find<QListWidget>(window, "QSO_Effectues");
    QStringList numbers;
    for (int i = 0; i < list->count(); ++i) numbers << list->item(i)->text().left(5);
    return numbers;
  }
  QStringList& shown() { return env.messages.shown; }

  TestEnvironment env;
  FakeLogbook logbook;
  RechercheIndicatifWindow window;
};

}  // namespace

class RechercheIndicatifWindowTest : public QObject {
  Q_OBJECT
 private slots:
  // The window opens on the call-sign criterion, its boxes empty; small letters are typed as capitals.
  void aCallSignSearchListsMatchesInOrderAndEmptiesTheBox() {
    OpenWindow w;
    QVERIFY(w.option(1)->isChecked());
    auto* results = Find<QListWidget>(w.window, "QSO_Effectues");
    QVERIFY(IsMonospaced(results->font()));
    QCOMPARE(results->count(), 0);
    for (const char* box : {"Indica", "Data", "Depa"}) QCOMPARE(w.box(box)->text(), QString());
    QVERIFY(w.box("Indica")->hasFocus());
    QTest::keyClicks(w.box("Indica"), "fx");
    QCOMPARE(w.box("Indica")->text(), QStringLiteral("FX"));
    QTest::keyClick(w.box("Indica"), Qt::Key_Return);
    QCOMPARE(w.results(), QStringList({"    1", "    3"}));
    QCOMPARE(w.box("Indica")->text(), QString());
    QCOMPARE(w.shown(), QStringList());
    // Quitter closes without touching the main list.
    QTest::mouseClick(Find<QPushButton>(w.window, "Command1"), Qt::LeftButton);
    QVERIFY(!w.window.isVisible());
    QVERIFY(w.logbook.selected.empty());
  }

  void searchesByEachCriterion() {
    OpenWindow w;
    w.enter("Data", "89001");
    QVERIFY(w.option(2)->isChecked());
    QCOMPARE(w.results(), QStringList{"    1"});
    QCOMPARE(w.box("Data")->text(), QString());
    // A Corsican reference typed in small letters is shown and found in capitals.
    QTest::mouseClick(w.box("Data"), Qt::LeftButton);
    QTest::keyClicks(w.box("Data"), "2a001");
    QCOMPARE(w.box("Data")->text(), QStringLiteral("2A001"));
    QTest::keyClick(w.box("Data"), Qt::Key_Return);
    QCOMPARE(w.results(), QStringList{"    3"});
    // A department keeps its capitals as typed, and searches in small letters.
    QTest::mouseClick(w.box("Depa"), Qt::LeftButton);
    QTest::keyClicks(w.box("Depa"), "2A");
    QCOMPARE(w.box("Depa")->text(), QStringLiteral("2A"));
    QTest::keyClick(w.box("Depa"), Qt::Key_Return);
    QCOMPARE(w.results(), QStringList{"    3"});
    QCOMPARE(w.shown(), QStringList());
  }

  void inputErrorsAreReportedAndKeepTheText() {
    OpenWindow w;
    w.enter("Indica", "fx");
    w.enter("Indica", "abcdefghijklm", false);
    QCOMPARE(w.shown(), QStringList{QStringLiteral("12 caracteres maxi pour l'indicatif")});
    QCOMPARE(w.box("Indica")->text(), QStringLiteral("ABCDEFGHIJKLM"));
    QCOMPARE(w.results(), QStringList({"    1", "    3"}));  // no search ran: the previous results stay
    w.box("Indica")->clear();
    w.enter("Indica", "", false);
    QCOMPARE(w.shown().last(), QStringLiteral("Entrez un indicatif"));
    QCOMPARE(w.shown().size(), 2);

    const QString reference = QStringLiteral("5 caracteres maxi pour la référence ex: 77001");
    w.shown().clear();
    w.enter("Data", "8900");
    QCOMPARE(w.box("Data")->text(), QStringLiteral("8900"));
    w.box("Data")->clear();
    w.enter("Data", "", false);
    QCOMPARE(w.shown(), QStringList({reference, reference}));

    w.shown().clear();
    w.enter("Depa", "2AB");
    QCOMPARE(w.shown(), QStringList{QStringLiteral("2 caracteres maxi pour le département")});
    QCOMPARE(w.box("Depa")->text(), QStringLiteral("2ab"));
    w.box("Depa")->clear();
    w.enter("Depa", "", false);
    QCOMPARE(w.shown().last(), QStringLiteral("Entrez un Canton"));
    w.enter("Depa", "9");
    QCOMPARE(w.shown().last(), QStringLiteral("Pas de QSO trouvé"));
    QCOMPARE(w.shown().size(), 3);
  }

  void enterInAnotherBoxSearchesTheSelectedCriterion() {
    OpenWindow w;
    // Typed without a click: the call-sign criterion stays selected.
    w.enter("Data", "89001", false);
    QVERIFY(w.option(1)->isChecked());
    QCOMPARE(w.shown(), QStringList{QStringLiteral("Entrez un indicatif")});
    QCOMPARE(w.box("Data")->text(), QStringLiteral("89001"));
    // With the department criterion and its box empty, its own message.
    w.option(3)->click();
    QTest::keyClick(w.box("Data"), Qt::Key_Return);
    QCOMPARE(w.shown().last(), QStringLiteral("Entrez un departement"));
    w.option(2)->click();
    w.box("Data")->clear();
    w.enter("Indica", "F", false);
    QCOMPARE(w.shown().last(), QStringLiteral("Entrez une référence"));
    QCOMPARE(w.box("Indica")->text(), QStringLiteral("F"));
  }

  void aSearchThatFindsNothingSaysSoAndEmptiesTheBoxes() {
    OpenWindow w;
    w.enter("Indica", "fx");
    w.box("Data")->setText(QStringLiteral("12345"));
    w.box("Depa")->setText(QStringLiteral("89"));
    w.enter("Indica", "k9");
    QCOMPARE(w.shown(), QStringList{QStringLiteral("Pas de QSO trouvé")});
    QCOMPARE(w.results(), QStringList());
    for (const char* box : {"Indica", "Data", "Depa"}) QCOMPARE(w.box(box)->text(), QString());
    OpenWindow empty{FakeLogbook()};
    empty.enter("Indica", "fx");
    QCOMPARE(empty.shown(), QStringList{QStringLiteral("Pas de QSO trouvé")});
  }

  void theOptionsMoveTheFocusToTheirBox() {
    OpenWindow w;
    for (const auto& [option, box] : {std::pair{3, "Depa"}, std::pair{2, "Data"}, std::pair{1, "Indica"}}) {
      QTest::mouseClick(w.option(option), Qt::LeftButton);
      QVERIFY2(w.box(box)->hasFocus(), box);
    }
    // Moving with the keyboard leaves the criterion alone.
    w.box("Depa")->setFocus(Qt::TabFocusReason);
    QVERIFY(w.option(1)->isChecked());
  }

  void aDoubleClickSelectsTheQsoInTheMainListAndCloses() {
    FakeLogbook logbook;
    for (int n = 1; n <= 15; ++n) logbook.addLine(LogLine(n == 12 ? "F5XYZ" : "F1ABC", "89", "89001"));
    OpenWindow w(logbook);
    w.enter("Indica", "5x");
    QCOMPARE(w.results(), QStringList{"   12"});
    auto* results = Find<QListWidget>(w.window, "QSO_Effectues");
    const QPoint centre = results->visualItemRect(results->item(0)).center();
    QTest::mouseClick(results->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(results->viewport(), Qt::LeftButton, {}, centre);
    QCOMPARE(w.logbook.selected, std::vector<int>{11});
    QVERIFY(!w.window.isVisible());
  }
};

QTEST_MAIN(RechercheIndicatifWindowTest)
#include "RechercheIndicatifWindowTest.moc"
