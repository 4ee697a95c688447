#include "support/TestSupport.h"
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
  QRadioButton* option(int n) { return Find<QRadioButton>(window, u"Option1_%1"_s.arg(n)); }
  // Types into a box (after a click on it, which selects its criterion) and presses Enter.
  void enter(const char* name, const QString& typed, bool click = true) {
    if (click) QTest::mouseClick(box(name), Qt::LeftButton);
    QTest::keyClicks(box(name), typed);
    QTest::keyClick(box(name), Qt::Key_Return);
  }
  // The row numbers of the results, joined by commas.
  QString results() {
    auto* list = Find<QListWidget>(window, "QSO_Effectues");
    QStringList numbers;
    for (int i = 0; i < list->count(); ++i) numbers << list->item(i)->text().left(5).trimmed();
    return numbers.join(u',');
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
  // The window opens on the call-sign criterion, its boxes empty (searches: the steps below).
  void opensOnTheCallSignAndQuitsWithoutTouchingTheList() {
    OpenWindow w;
    QVERIFY(w.option(1)->isChecked());
    auto* results = Find<QListWidget>(w.window, "QSO_Effectues");
    QVERIFY(IsMonospaced(results->font()));
    QCOMPARE(results->count(), 0);
    for (const char* box : {"Indica", "Data", "Depa"}) QCOMPARE(w.box(box)->text(), QString());
    QVERIFY(w.box("Indica")->hasFocus());
    QTest::mouseClick(Find<QPushButton>(w.window, "Command1"), Qt::LeftButton);
    QVERIFY(!w.window.isVisible());
    QVERIFY(w.logbook.selected.empty());
  }

  // A click into a box selects its criterion, typing does not; Enter in any box searches the selected one. A step:
  // option clicked (0: none), box, clicked or not, text typed once emptied (none: Enter alone), text shown; then
  // after Enter the results, messages, text left and criterion selected.
  void eachCriterionSearchesOrSaysWhyNot() {
    OpenWindow w;
    const QString reference = u"5 caracteres maxi pour la référence ex: 77001"_s;
    const struct {
      int option;
      const char* box;
      bool click;
      const char *typed, *shows, *results;
      QString messages;
      const char* left;
      int criterion;
    } steps[] = {
        {0, "Data", false, "89001", "89001", "", "Entrez un indicatif", "89001", 1},
        {3, "Data", false, nullptr, "89001", "", "Entrez un departement", "89001", 3},
        {2, "Data", false, "", "", "", reference, "", 2},
        {0, "Indica", false, "F", "F", "", u"Entrez une référence"_s, "F", 2},
        {0, "Data", true, "8900", "8900", "", reference, "8900", 2},
        {0, "Data", true, "89001", "89001", "1", "", "", 2},
        {0, "Data", true, "2a001", "2A001", "3", "", "", 2},
        {0, "Depa", true, "2A", "2A", "3", "", "", 3},
        {0, "Depa", true, "2AB", "2AB", "3", u"2 caracteres maxi pour le département"_s, "2ab", 3},
        {0, "Depa", false, "", "", "3", "Entrez un Canton", "", 3},
        {0, "Depa", true, "9", "9", "", u"Pas de QSO trouvé"_s, "", 3},
        {0, "Indica", true, "fx", "FX", "1,3", "", "", 1},
        {0, "Indica", false, "abcdefghijklm", "ABCDEFGHIJKLM", "1,3", "12 caracteres maxi pour l'indicatif",
         "ABCDEFGHIJKLM", 1},
        {0, "Indica", false, "", "", "1,3", "Entrez un indicatif", "", 1},
    };
    for (const auto& [option, box, click, typed, shows, results, messages, left, criterion] : steps) {
      const qsizetype before = w.shown().size();
      if (option) w.option(option)->click();
      if (click) QTest::mouseClick(w.box(box), Qt::LeftButton);
      if (typed) w.box(box)->clear();
      if (typed) QTest::keyClicks(w.box(box), typed);
      QCOMPARE(w.box(box)->text(), QString::fromLatin1(shows));
      QTest::keyClick(w.box(box), Qt::Key_Return);
      QCOMPARE(w.results(), QString::fromLatin1(results));
      QCOMPARE(w.shown().mid(before).join(u'|'), messages);
      QCOMPARE(w.box(box)->text(), QString::fromLatin1(left));
      QVERIFY2(w.option(criterion)->isChecked(), box);
    }
    // A search that finds nothing says so, and empties every box.
    w.box("Data")->setText(u"12345"_s);
    w.box("Depa")->setText(u"89"_s);
    w.enter("Indica", "k9");
    QCOMPARE(w.shown().last(), u"Pas de QSO trouvé"_s);
    QCOMPARE(w.results(), QString());
    for (const char* box : {"Indica", "Data", "Depa"}) QCOMPARE(w.box(box)->text(), QString());
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

  // Enter or a double click on a result selects its QSO in the main list and closes, even when rows were deleted
  // in the main list while the results stayed open; a QSO gone since is said, and the search made again.
  void aResultLeadsToItsQsoInTheMainList() {
    OpenWindow w;
    w.enter("Indica", "F");
    QCOMPARE(w.results(), u"1,2,3,4"_s);
    const auto deleteInMainList = [&lines = w.logbook.lines](std::size_t index) {
      lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(index));
    };
    auto* results = Find<QListWidget>(w.window, "QSO_Effectues");
    const auto enterOn = [results](int item) {
      results->setCurrentRow(item);
      QTest::keyClick(results, Qt::Key_Return);
    };
    deleteInMainList(0);  // FXXXX
    enterOn(0);
    QVERIFY(w.shown().last().contains(u"plus dans le log"_s));
    QCOMPARE(w.results(), u"1,2,3"_s);
    QVERIFY(w.logbook.selected.empty() && w.window.isVisible());
    deleteInMainList(0);  // FYYYY: F1ABC goes from the third row to the second
    const QPoint centre = results->visualItemRect(results->item(2)).center();
    QTest::mouseClick(results->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(results->viewport(), Qt::LeftButton, {}, centre);
    QCOMPARE(w.logbook.selected, std::vector<int>{1});
    QVERIFY(!w.window.isVisible());
  }
};

QTEST_MAIN(RechercheIndicatifWindowTest)
#include "RechercheIndicatifWindowTest.moc"
