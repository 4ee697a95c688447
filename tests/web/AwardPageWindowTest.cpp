
#include "support/TestSupport.h"
#include "ui/web/AwardPageWindow.h"
#include "ui/web/SitePage.h"
#include "web/WebTests.h"

using namespace settings_keys;

namespace {

QWebEngineView& BrowserOf(QWidget& window) {
  auto* view = window.findChild<QWebEngineView*>(u"WebBrowser1"_s);
  if (!view) qFatal("missing WebBrowser1");
  return *view;
}

}  // namespace

class AwardPageWindowTest : public QObject {
  Q_OBJECT
 private slots:
  // Each window loads its page of the site, asking for it in French.
  void eachWindowLoadsItsPageOfTheAwardSite() {
    for (const auto& [page, name, path] : {std::tuple{AwardPage::Rules, "Reglement", "/KMB/KMB.html"},
                                           std::tuple{AwardPage::ActiveList, "KMB_Active", "/KMB/KMB-actif.html"}}) {
      TestEnvironment env;
      env.settings->write(kSetup, kSiteKmb, u"http://127.0.0.1:1"_s);
      AwardPageWindow window(env.context, page);
      QCOMPARE(window.objectName(), QString::fromLatin1(name));
      QCOMPARE(BrowserOf(window).url().toString(), u"http://127.0.0.1:1"_s + QLatin1String(path));
      QVERIFY(BrowserOf(window).page()->profile()->httpAcceptLanguage().startsWith(u"fr"));
    }
  }

  // Only http and https are loaded: a stored "javascript:" address never runs.
  void unsetOrNonWebSiteShowsWhichSettingToFill() {
    for (const char* stored : {"", "javascript:document.title='execute'//"}) {
      TestEnvironment env;
      env.settings->write(kSetup, kSiteCluster, u"http://cluster.example"_s);
      env.settings->write(kSetup, kSiteKmb, QString::fromLatin1(stored));
      AwardPageWindow window(env.context, AwardPage::ActiveList);
      QVERIFY(WaitForLoad(BrowserOf(window)));
      const QString text = PlainTextOf(BrowserOf(window));
      QVERIFY2(text.contains(u"« Site KMB »"_s), stored);
      QVERIFY(BrowserOf(window).title() != u"execute"_s);
      QCOMPARE(env.messages.shown, QStringList());
    }
  }

  void theBrowsersOwnErrorPagesSpeakFrench() {
    TestEnvironment env;
    env.settings->write(kSetup, kSiteKmb, u"http://127.0.0.1:1"_s);  // nothing listens there
    AwardPageWindow unreachable(env.context, AwardPage::Rules);
    QVERIFY(!WaitForLoad(BrowserOf(unreachable)));
    const QString text = PlainTextOf(BrowserOf(unreachable));
    QVERIFY2(text.contains(u"inaccessible"_s), qPrintable(text));
  }
};

int RunAwardPageWindowTests(int argc, char** argv) {
  AwardPageWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "AwardPageWindowTest.moc"
