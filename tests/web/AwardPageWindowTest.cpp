
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

  // Only http and https are loaded: unset or "javascript:", a page says which field of the preferences to fill,
  // never the settings file; an unreachable site gets the browser's own error page, in French.
  void unsetOrNonWebSiteShowsWhereToSetIt() {
    for (const auto& [stored, loads, said] : {std::tuple{"", true, "Fichier > Préférences…, champ « Site KMB »"},
                                              {"javascript:document.title='execute'//", true, "Préférences…"},
                                              {"http://127.0.0.1:1", false, "inaccessible"}}) {
      TestEnvironment env;
      env.settings->write(kSetup, kSiteCluster, u"http://cluster.example"_s);
      env.settings->write(kSetup, kSiteKmb, QString::fromLatin1(stored));
      AwardPageWindow window(env.context, AwardPage::ActiveList);
      QCOMPARE(WaitForLoad(BrowserOf(window)), loads);
      const QString text = PlainTextOf(BrowserOf(window));
      QVERIFY2(text.contains(QString::fromUtf8(said)) && !text.contains(u"Setup"_s), qPrintable(text));
      QVERIFY(BrowserOf(window).title() != u"execute"_s);
      QCOMPARE(env.messages.shown, QStringList());
    }
  }
};

int RunAwardPageWindowTests(int argc, char** argv) {
  AwardPageWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "AwardPageWindowTest.moc"
