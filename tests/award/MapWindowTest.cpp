#include "support/TestSupport.h"
#include "ui/award/MapWindow.h"
#include "ui/kit/FieldColours.h"

namespace {

const QColor kYellow(255, 255, 128);
const QColor kPink(255, 192, 192);
const QColor kGreen(128, 255, 128);

QLineEdit* Box(QWidget& window, int index) {
  return Find<QLineEdit>(window, QStringLiteral("Dep_%1").arg(index, 2, 10, QLatin1Char('0')));
}

QColor BoxColour(QWidget& window, int index) { return FieldColour(*Box(window, index)); }

QByteArray Qso(const std::string& dpt, bool qsl, const std::string& band = "14 Mhz") {
  return LogLine("F1AAA", dpt, "89001", "05/12/26", "09:07", band, qsl);
}

// The count of contacted departments and the three legend boxes.
QString Legend(QWidget& window) {
  return QStringList({Find<QLabel>(window, "NB_Dep")->text(), Find<QLineEdit>(window, "Nb_Conf")->text(),
                      Find<QLineEdit>(window, "Nb_Nconf")->text(), Find<QLineEdit>(window, "Nb_Ncont")->text()})
      .join(u'|');
}

struct MapOnLog {
  explicit MapOnLog(const QByteArray& log) {
    env.writeFile("F4ABC_KMB.log", log);
    window = std::make_unique<MapWindow>(env.context, logbook);
    ShowAndSettle(*window);
  }
  TestEnvironment env;
  FakeLogbook logbook{"F4ABC"};
  std::unique_ptr<MapWindow> window;
};

}  // namespace

class MapWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void confirmedIsGreenUnconfirmedPinkAndTheRestYellow() {
    MapOnLog map(LogBytes(
        {Qso("89", false), Qso("89", true), Qso("77", false), Qso("77", false), Qso("2A", true), Qso("2b", false)}));
    MapWindow& window = *map.window;
    QCOMPARE(BoxColour(window, 89), kGreen);
    QCOMPARE(BoxColour(window, 77), kPink);
    QCOMPARE(BoxColour(window, 96), kGreen);
    QCOMPARE(BoxColour(window, 97), kPink);
    QCOMPARE(BoxColour(window, 1), kYellow);
    QCOMPARE(Box(window, 96)->text(), QStringLiteral("2a"));
    QCOMPARE(Legend(window), QStringLiteral("4| 2 Dpt confirmés| 2 Dpt non confirmés| 92 Dpt non contactés"));
    QVERIFY(Find<QLabel>(window, "Attribution")->text().contains(QStringLiteral("CC BY 4.0")));
    QCOMPARE(map.env.messages.shown, QStringList());
  }

  void groupChoiceRedrawsTheMap() {
    MapOnLog map(LogBytes({Qso("01", true, "14 Mhz"), Qso("02", true, "144 Mhz"), Qso("03", false, "432 Mhz"),
                           Qso("04", true, "10 Mhz")}));
    auto* group = Find<QComboBox>(*map.window, "Bande_Carte");
    QVERIFY(!group->isEditable());  // no typed group that names none
    QCOMPARE(group->count(), 3);
    QCOMPARE(group->currentText(), QStringLiteral("HF"));
    QCOMPARE(BoxColour(*map.window, 1), kGreen);
    QCOMPARE(BoxColour(*map.window, 2), kYellow);
    QCOMPARE(BoxColour(*map.window, 4), kYellow);

    group->setCurrentText(QStringLiteral("VHF"));
    QCOMPARE(BoxColour(*map.window, 1), kYellow);
    QCOMPARE(BoxColour(*map.window, 2), kGreen);
    QCOMPARE(Legend(*map.window), QStringLiteral("1| 1 Dpt confirmés| 0 Dpt non confirmés| 95 Dpt non contactés"));

    // The log is read again: a QSO logged meanwhile shows.
    map.env.writeFile("F4ABC_KMB.log", LogBytes({Qso("03", false, "432 Mhz"), Qso("05", true, "432 Mhz")}));
    group->setCurrentText(QStringLiteral("UHF"));
    QCOMPARE(BoxColour(*map.window, 3), kPink);
    QCOMPARE(BoxColour(*map.window, 5), kGreen);
    QCOMPARE(BoxColour(*map.window, 2), kYellow);
    QCOMPARE(Legend(*map.window), QStringLiteral("2| 1 Dpt confirmés| 1 Dpt non confirmés| 94 Dpt non contactés"));
  }

  // The boxes of 20 and 98, which stand for no department, show only when a QSO marks them.
  void everyDepartmentHasItsBoxOnTheMap() {
    MapOnLog map(LogBytes({Qso("20", true), Qso("98", false)}));
    MapWindow& window = *map.window;
    window.show();
    auto* picture = Find<QWidget>(window, "Picture1");
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (int index = 1; index <= 98; ++index) {
      QLineEdit* box = Box(window, index);
      QVERIFY2(box->isVisible(), qPrintable(box->objectName()));
      QVERIFY2(picture->rect().contains(box->geometry()), qPrintable(box->objectName()));
      QCOMPARE(box->parentWidget(), picture);
    }
    QVERIFY(!Box(window, 0)->isVisible());
    QVERIFY(!Box(window, 99)->isVisible());
    QCOMPARE(Box(window, 1)->size(), QSize(25, 20));
    // Paris and its neighbours sit in the inset at the top left, Corsica at
    // the bottom right, Finistère in the west.
    const QRect area = picture->rect();
    for (int paris : {75, 92, 93, 94})
      QVERIFY2(Box(window, paris)->x() < area.width() / 3 && Box(window, paris)->y() < area.height() / 3,
               qPrintable(QString::number(paris)));
    QVERIFY(Box(window, 96)->x() > area.width() * 2 / 3 && Box(window, 96)->y() > area.height() * 2 / 3);
    QVERIFY(Box(window, 29)->x() < Box(window, 35)->x());
    QVERIFY(Box(window, 59)->y() < Box(window, 13)->y());
    // The map follows the window's size.
    const QPoint before = Box(window, 13)->pos();
    window.resize(window.width() + 200, window.height() + 200);
    QTRY_VERIFY(Box(window, 13)->pos() != before);
  }

  void missingLogShowsAnEmptyMapAndSaysWhy() {
    TestEnvironment env;
    FakeLogbook logbook("F4ABC");
    MapWindow window(env.context, logbook);
    QVERIFY(env.messages.shown.isEmpty());  // the message comes once the window is on screen
    ShowAndSettle(window);
    QCOMPARE(Legend(window), QStringLiteral("0| 0 Dpt confirmés| 0 Dpt non confirmés| 96 Dpt non contactés"));
    QCOMPARE(env.messages.shown.size(), 1);
    QVERIFY(env.messages.last().contains(QStringLiteral("F4ABC_KMB.log")));
  }
};

QTEST_MAIN(MapWindowTest)
#include "MapWindowTest.moc"
