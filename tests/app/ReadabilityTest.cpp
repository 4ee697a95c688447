// Titles over their columns, enough rows, windows where they were left; on a 1366 x 768 screen, a laptop's.

#include "support/MainSession.h"
#include "ui/award/ContactedListWindow.h"
#include "ui/kit/ColumnTitles.h"
#include "ui/search/RechercheIndicatifWindow.h"

using namespace settings_keys;

namespace {

const QByteArray kQso =
    LogLine("F4XYZ", "21", "21001", "05/12/26", "09:07", "14 Mhz", true, "LAVOIR DU PONT", "JEAN", "CW");

// Where, on screen, the text of the first row of a list starts.
int TextLeft(QAbstractItemView& view) {
  return view.viewport()->mapToGlobal(view.visualRect(view.model()->index(0, 0)).topLeft()).x();
}

// Each title of "title=value|..." starts at the column where the row's value starts, drawn exactly over the
// rows, scrolled sideways or not.
void CheckTitlesOverColumns(ColumnTitles& titles, QAbstractItemView& list, const QString& row,
                            const QString& titleAndValue) {
  const QString text = titles.text();
  for (const QString& pair : titleAndValue.split(u'|')) {
    const QString title = pair.section(u'=', 0, 0), value = pair.section(u'=', 1);
    QVERIFY2(text.indexOf(title) == row.indexOf(value),
             qPrintable(u"%1 over %2 in\n%3\n%4"_s.arg(title, value, text, row)));
  }
  QCOMPARE(titles.font(), list.font());
  QCOMPARE(TextLeft(titles), TextLeft(list));
  list.horizontalScrollBar()->setValue(list.horizontalScrollBar()->maximum());
  QCOMPARE(TextLeft(titles), TextLeft(list));
  list.horizontalScrollBar()->setValue(0);
}

}  // namespace

class ReadabilityTest : public QObject {
  Q_OBJECT
 private slots:
  void titlesStandOverTheirColumnsInEveryList() {
    MainSession s(LogBytes({kQso}));
    s.main->resize(700, 600);  // narrower than the rows: the list scrolls sideways
    auto* list = s.widget<QListView>("Liste_KMB");
    const QString row = list->model()->index(0, 0).data().toString();
    CheckTitlesOverColumns(
        *s.widget<ColumnTitles>("Label_Liste_BQRT"), *list, row,
        QStringLiteral("Indicatif=F4XYZ|Dpt=21 |Prenom=JEAN|Ref=21001|Date=05/12/26|QTR=09:07|ode=CW |"
                       "QRG=14 Mhz|STR=59   59|Nom du Lavoir=LAVOIR|SL=*"));
    QCOMPARE(s.widget<ColumnTitles>("Label_Liste_BQRT")->text().indexOf(u"N°"_s) + 2, row.indexOf(u'1') + 1);

    FakeLogbook logbook;
    logbook.addLine(kQso);
    RechercheIndicatifWindow search(s.env.context, logbook);
    ShowAndSettle(search);
    QTest::keyClicks(Find<QLineEdit>(search, "Indica"), "F4");
    QTest::keyClick(Find<QLineEdit>(search, "Indica"), Qt::Key_Return);
    auto* results = Find<QListWidget>(search, "QSO_Effectues");
    CheckTitlesOverColumns(
        *Find<ColumnTitles>(search, "Label13"), *results, results->item(0)->text(),
        u"Indicatif=F4XYZ|Dpt=21 |Date=05/12/26|Bande=14 Mhz|° KMB=21001|Nom du Lavoir=LAVOIR|SL=*"_s);

    ContactedListWindow contacted(s.env.context, *s.main);
    ShowAndSettle(contacted);
    QTest::mouseClick(Find<QPushButton>(contacted, "Afficher"), Qt::LeftButton);
    auto* lines = Find<QListView>(contacted, "Liste_KMB_Contacte");
    CheckTitlesOverColumns(*Find<ColumnTitles>(contacted, "Label2"), *lines,
                           lines->model()->index(0, 0).data().toString(),
                           u"Ref=21001|Nom du Lavoir=LAVOIR|Date=05/12/26|Indicatif=F4XYZ|SL=*"_s);
  }

  void mainWindowShowsTwentyFiveRowsAndGrowsWithTheWindow() {
    QCOMPARE(QGuiApplication::primaryScreen()->size(), QSize(1366, 768));
    MainSession s(QByteArray(LogBytes({kQso})).repeated(40));
    const QRect frame = s.main->frameGeometry();
    QVERIFY2(frame.height() <= 768 - 40 && frame.width() <= 1366,
             qPrintable(u"%1 x %2"_s.arg(frame.width()).arg(frame.height())));
    auto* list = s.widget<QListView>("Liste_KMB");
    QVERIFY2(list->viewport()->height() >= 25 * list->sizeHintForRow(0),
             qPrintable(QString::number(list->viewport()->height() / list->sizeHintForRow(0))));
    const int before = list->height();
    s.main->resize(s.main->width(), s.main->height() - 100);
    QTRY_COMPARE(list->height(), before - 100);
  }

  void windowsComeBackWhereTheyWereLeftAndOnScreen() {
    MainSession s(LogBytes({kQso}));
    s.trigger("Mnu_L_Contacte");
    QWidget* contacted = TopLevels(u"Aff_Contacte"_s).value(0);
    QVERIFY(contacted);
    const QRect left(120, 80, 700, 400);
    contacted->setGeometry(left);
    contacted->close();
    s.trigger("Mnu_L_Contacte");
    QTRY_COMPARE(TopLevels(u"Aff_Contacte"_s).value(0)->geometry(), left);
    TopLevels(u"Aff_Contacte"_s).value(0)->close();
    s.main.reset();

    // Left on a bigger screen than today's: brought back whole onto this one.
    s.env.settings->write(kSetup, u"Fenetre Main"_s, u"1900,1000,2400,1400"_s);
    MainWindow again(s.env.context);
    QVERIFY(again.start());
    QVERIFY(QRect(0, 0, 1366, 768).contains(again.frameGeometry()));
  }
};

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" KMB_TESTS_DIR "/app/screen-1366x768.json");
  QApplication app(argc, argv);
  ReadabilityTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "ReadabilityTest.moc"
