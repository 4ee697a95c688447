// Titles over their columns, enough rows, windows where they were left; on a 1366 x 768 screen, a laptop's.

#include "support/MainSession.h"
#include "ui/award/ContactedListWindow.h"
#include "ui/kit/ColumnTitles.h"
#include "ui/reports/ConfirmationSummaryDialog.h"
#include "ui/reports/ImportSummaryDialog.h"
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

// Where each window is as it shows, before it does anything once shown: the place the window manager is given.
struct PlacesAtShow final : QObject {
  PlacesAtShow() { qApp->installEventFilter(this); }
  QHash<QString, QRect> frames;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (auto* window = qobject_cast<QWidget*>(watched); window && window->isWindow() && event->type() == QEvent::Show)
      frames.insert(window->objectName(), QRect(window->pos(), window->frameSize()));
    return false;
  }
};

// What a screen reader hears of a control: its caption (its name, or on Linux a list's label), then its
// description or its value. Typing in an editable list goes to its line edit.
QString Heard(QWidget* control) {
  auto* combo = qobject_cast<QComboBox*>(control);
  QAccessibleInterface* heard =
      QAccessible::queryAccessibleInterface(combo && combo->lineEdit() ? combo->lineEdit() : control);
  const auto labels = heard->relations(QAccessible::Label);
  const QString name =
      labels.isEmpty() || !combo ? heard->text(QAccessible::Name) : labels.first().first->text(QAccessible::Name);
  const QString more = heard->text(QAccessible::Description);
  return name + u'|' + (more.isEmpty() ? heard->text(QAccessible::Value) : more);
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
        *search.findChild<ColumnTitles*>(), *results, results->item(0)->text(),
        u"Indicatif=F4XYZ|Dpt=21 |Date=05/12/26|Bande=14 Mhz|° KMB=21001|Nom du Lavoir=LAVOIR|SL=*"_s);

    ContactedListWindow contacted(s.env.context, *s.main);
    ShowAndSettle(contacted);
    QTest::mouseClick(Find<QPushButton>(contacted, "Afficher"), Qt::LeftButton);
    auto* lines = Find<QListView>(contacted, "Liste_KMB_Contacte");
    CheckTitlesOverColumns(*contacted.findChild<ColumnTitles*>(), *lines, lines->model()->index(0, 0).data().toString(),
                           u"Ref=21001|Nom du Lavoir=LAVOIR|Date=05/12/26|Indicatif=F4XYZ|SL=*"_s);
  }

  void mainWindowShowsTwentyFiveRowsAndGrowsWithTheWindow() {
    MainSession s(QByteArray(LogBytes({kQso})).repeated(40));
    auto* list = s.widget<QListView>("Liste_KMB");
    if (QGuiApplication::primaryScreen()->size() == QSize(1366, 768))
      QVERIFY(list->viewport()->height() >= 25 * list->sizeHintForRow(0));
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
  }

  // Every window, the first time, then left off the screen, then too large: wholly on the free area as it shows.
  void everyWindowFitsTheScreen() {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QStringList names;  // learnt the first time
    for (const QString& place : {QString(), u"5000,5000,600,400"_s, u"-300,-300,3000,2000"_s}) {
      MainSession s(LogBytes({kQso}), false);
      for (const QString& name : names) s.env.settings->write(kSetup, u"Fenetre "_s + name, place);
      PlacesAtShow atShow;
      s.start();
      for (const char* command :
           {"Mnu_Guide", "Mnu_Cluster", "Mnu_Reglement", "Liste_KMB_Active", "Mnu_Score", "Mnu_KMB_HF",
            "Mnu_Diplome_VHF", "Mnu_Carte_Acti_KMB", "Mnu_L_Contacte", "Rechercher", "Mnu_Non_Recue", "Mnu_QSL_Recues",
            "Mnu_New_Indicatif", "Mnu_Preferences", "Mnu_Spots"})
        s.main->findChild<QAction*>(QLatin1String(command)) ? s.trigger(command) : s.click(command);
      ImportSummaryDialog(kmb::ImportPlan{}, *s.env.settings, s.main.get()).show();
      ConfirmationSummaryDialog({}, {}, *s.env.settings, s.main.get()).show();
      QCOMPARE(atShow.frames.size(), 18);
      for (auto frame = atShow.frames.cbegin(); frame != atShow.frames.cend(); ++frame)
        QVERIFY2(area.contains(*frame), qPrintable(frame.key() + place));
      names = atShow.frames.keys();
      for (QWidget* window : QApplication::topLevelWidgets()) window->close();
    }
  }

  // The window keeps its width as a QSO opens; fields show their values whole; controls have names of their own.
  void entryFieldsShowTheirValuesAndTheirNames() {
    MainSession s(LogBytes({kQso}));
    const int width = s.main->width();
    s.doubleClickRow(0);
    QTest::qWait(100);  // the layout's requests are handled
    QCOMPARE(s.main->width(), width);
    s.field("Ind_A")->clear();
    s.type("Ind_A", u"EA8/F4KMB/P"_s);
    s.field("Rem_A")->setText(QString(30, u'W'));  // the widest capital, as many as the log keeps
    for (QLineEdit* field : {s.field("Ind_A"), s.field("Rem_A")}) {
      field->end(false), field->repaint();  // a text wider than its field is scrolled, its start hidden
      QCOMPARE(field->cursorPositionAt({1, field->height() / 2}), 0);
    }

    QStringList
        names;  // of the entry controls, the buttons, the list and the radio's status, as Tab walks through them
    for (QWidget* control : s.main->findChildren<QWidget*>(QRegularExpression(u"^(?!qt_).+"_s))) {
      auto* combo = qobject_cast<QComboBox*>(control);  // typing goes to its line edit
      if (control->focusPolicy() & Qt::TabFocus)
        names << QAccessible::queryAccessibleInterface(combo ? combo->lineEdit() : control)->text(QAccessible::Name);
    }
    QVERIFY2(names.size() == 21 && QSet<QString>(names.begin(), names.end()).size() == 21 && !names.contains(u""_s),
             qPrintable(names.join(u'|')));
  }

  // Préférences keeps every row as tall as it wants, a refusal's wrapped text too: the sections scroll instead.
  void preferencesRowsKeepTheirHeight() {
    MainSession s(LogBytes({}));
    s.trigger("Mnu_Preferences");
    QWidget& preferences = *TopLevels(u"Preferences"_s).value(0);
    QTest::keyClicks(Find<QLineEdit>(preferences, u"Site_Cluster"_s), "ftp://une.adresse.bien.trop.longue.exemple.fr");
    QTest::qWait(50);  // the layout follows the refusal's text
    QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(preferences.frameGeometry()));
    for (const char* name : {"Radio_Filtre", "Radio_Modele", "Radio_Port", "Radio_Vitesse", "Site_Cluster"}) {
      QWidget* field = Find<QWidget>(preferences, QString::fromLatin1(name));
      QVERIFY2(field->height() >= field->sizeHint().height(), name);
    }
  }

  // Status lines say their words, lists their value, the map's boxes their department and state.
  void screenReadersHearContentNotOnlyLabels() {
    MainSession s(LogBytes({kQso}));
    s.main->show();
    QCOMPARE(Heard(s.widget("Radio_Etat")), u"État de la radio|Radio : non configurée"_s);
    QCOMPARE(Heard(s.widget("Bande_A")), u"Bande|1.8 Mhz"_s);
    QCOMPARE(Heard(s.widget("Mode_A")), u"Mode|SSB"_s);
    s.trigger("Mnu_Carte_Acti_KMB");
    QWidget& map = *TopLevels(u"Carte_Acti_KMB"_s).value(0);
    QTRY_COMPARE(Heard(Find<QWidget>(map, u"Dep_21"_s)), u"Département 21 : confirmé|21"_s);  // once the log is read
    QCOMPARE(Heard(Find<QWidget>(map, u"Dep_89"_s)), u"Département 89 : non contacté|89"_s);
    QCOMPARE(Heard(Find<QWidget>(map, u"Bande_Carte"_s)), u"Bande :|HF"_s);
    s.trigger("Mnu_L_Contacte");
    QCOMPARE(Heard(Find<QWidget>(*TopLevels(u"Aff_Contacte"_s).value(0), u"Bande_D"_s)), u"Bande|HF"_s);
    // The status lines of the spots and of "Tester", each with its words.
    s.trigger("Mnu_Spots");
    QWidget& spots = *TopLevels(u"Spots"_s).value(0);
    QVERIFY(Heard(Find<QWidget>(spots, u"Etat_Cluster"_s)).startsWith(u"État du cluster|Aucun nœud de cluster"_s));
    s.trigger("Mnu_Preferences");
    QWidget& preferences = *TopLevels(u"Preferences"_s).value(0);
    Find<QCheckBox>(preferences, u"Radio_Utiliser"_s)->setChecked(true);
    Find<QPushButton>(preferences, u"Radio_Tester"_s)->click();
    QVERIFY(Heard(Find<QWidget>(preferences, u"Radio_Resultat"_s))
                .startsWith(u"Résultat de l'essai|Aucun modèle de radio n'est choisi"_s));
  }
};

int main(int argc, char** argv) {
  const QString screen = qEnvironmentVariable("KMB_TEST_SCREEN", u"1366x768"_s);
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" KMB_TESTS_DIR "/app/screen-" + screen.toLatin1() + ".json");
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);  // the web pages' windows
  QApplication app(argc, argv);
  ReadabilityTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "ReadabilityTest.moc"
