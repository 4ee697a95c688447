#include <QtTest>

#include "support/TestSupport.h"
#include "ui/web/AwardPageWindow.h"
#include "ui/web/SitePage.h"
#include "web/LoopbackSite.h"
#include "web/WebTests.h"

using namespace settings_keys;

Q_DECLARE_METATYPE(AwardPage)

namespace {

QWebEngineView& BrowserOf(QWidget& window) {
  auto* view = window.findChild<QWebEngineView*>(QStringLiteral("WebBrowser1"));
  if (!view) qFatal("missing WebBrowser1");
  return *view;
}

}  // namespace

class AwardPageWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void eachWindowLoadsItsPageOfTheAwardSite_data();
  void eachWindowLoadsItsPageOfTheAwardSite();
  void siteWithClosingSlashGivesTheSamePage();
  void unsetOrNonWebSiteShowsWhichSettingToFill();
  void theBrowserSpeaksFrenchErrorPagesIncluded();
};

void AwardPageWindowTest::eachWindowLoadsItsPageOfTheAwardSite_data() {
  QTest::addColumn<AwardPage>("page");
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("path");
  QTest::newRow("rules") << AwardPage::Rules << QStringLiteral("Reglement") << QStringLiteral("/KMB/KMB.html");
  QTest::newRow("active list") << AwardPage::ActiveList << QStringLiteral("KMB_Active")
                               << QStringLiteral("/KMB/KMB-actif.html");
}

void AwardPageWindowTest::eachWindowLoadsItsPageOfTheAwardSite() {
  QFETCH(AwardPage, page);
  QFETCH(QString, name);
  QFETCH(QString, path);
  TestEnvironment env;
  LoopbackSite site;
  env.settings->write(kSetup, kSiteKmb, site.address());
  AwardPageWindow window(env.context, page);
  QCOMPARE(window.objectName(), name);
  QVERIFY(WaitForLoad(BrowserOf(window)));
  QCOMPARE(BrowserOf(window).title(), path);
  QCOMPARE(site.requested.value(0), path);
}

void AwardPageWindowTest::siteWithClosingSlashGivesTheSamePage() {
  TestEnvironment env;
  env.settings->write(kSetup, kSiteKmb, QStringLiteral("http://kmb.example/"));
  AwardPageWindow window(env.context, AwardPage::Rules);
  QCOMPARE(BrowserOf(window).url(), QUrl(QStringLiteral("http://kmb.example/KMB/KMB.html")));
}

// Only http and https are loaded: a stored "javascript:" address never runs.
void AwardPageWindowTest::unsetOrNonWebSiteShowsWhichSettingToFill() {
  for (const char* stored :
       {"", "javascript:document.title='execute'//", "file:///etc/passwd", "data:text/html,<title>execute</title>"}) {
    TestEnvironment env;
    env.settings->write(kSetup, kSiteCluster, QStringLiteral("http://cluster.example"));
    env.settings->write(kSetup, kSiteKmb, QString::fromLatin1(stored));
    AwardPageWindow window(env.context, AwardPage::ActiveList);
    QVERIFY(WaitForLoad(BrowserOf(window)));
    const QString text = PlainTextOf(BrowserOf(window));
    QVERIFY2(text.contains(QStringLiteral("« Site KMB »")), stored);
    QVERIFY(BrowserOf(window).title() != QStringLiteral("execute"));
    QCOMPARE(env.messages.shown, QStringList());
  }
}

void AwardPageWindowTest::theBrowserSpeaksFrenchErrorPagesIncluded() {
  TestEnvironment env;
  LoopbackSite site;
  env.settings->write(kSetup, kSiteKmb, site.address());
  AwardPageWindow shown(env.context, AwardPage::Rules);
  QVERIFY(WaitForLoad(BrowserOf(shown)));
  QVERIFY2(site.languages.value(0).startsWith(QStringLiteral("fr")), qPrintable(site.languages.join(u'|')));

  env.settings->write(kSetup, kSiteKmb, QStringLiteral("http://127.0.0.1:1"));  // nothing listens there
  AwardPageWindow unreachable(env.context, AwardPage::Rules);
  QVERIFY(!WaitForLoad(BrowserOf(unreachable)));
  const QString text = PlainTextOf(BrowserOf(unreachable));
  QVERIFY2(text.contains(QStringLiteral("inaccessible")), qPrintable(text));
}

int RunAwardPageWindowTests(int argc, char** argv) {
  AwardPageWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "AwardPageWindowTest.moc"
