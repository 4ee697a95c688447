#include <memory>

#include "support/FakeLogbook.h"
#include "ui/web/ClusterWindow.h"
#include "ui/web/SitePage.h"
#include "web/LoopbackSite.h"
#include "web/WebTests.h"

using namespace settings_keys;

namespace {

const QString kStation = QStringLiteral("Setup F4ABC");

// A cluster window of station F4ABC over a site that says which page it served.
struct ClusterFixture {
  ClusterFixture() { env.settings->write(kSetup, kSiteCluster, site.address()); }
  std::unique_ptr<ClusterWindow> open() { return std::make_unique<ClusterWindow>(env.context, station); }
  QString shown(ClusterWindow& window) const { return Find<QWebEngineView>(window, "WebBrowser1")->url().toString(); }
  QString page(const char* path) const { return site.address() + QLatin1String(path); }
  QString storedBand() const { return env.settings->read(kStation, kBandeCluster); }

  TestEnvironment env;
  LoopbackSite site;
  FakeLogbook station{"F4ABC"};
};

void Choose(ClusterWindow& window, int index) {
  Find<QComboBox>(window, "Bande_CL")->setCurrentIndex(index);
  Find<QPushButton>(window, "Afficher")->click();
}

}  // namespace

class ClusterWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void firstOpeningLoadsTheHfGroupPage();
  void everyChoiceNavigatesToItsPageAndIsStored_data();
  void everyChoiceNavigatesToItsPageAndIsStored();
  void typedBandChoosesNoCodeAndStoresMinusOne();
  void reopeningShowsTheLastChosenBandAtOnce();
  void storedValueIsReadWithTheLeadingNumberRuleOrFallsBackToAllHf_data();
  void storedValueIsReadWithTheLeadingNumberRuleOrFallsBackToAllHf();
  void choiceIsKeptPerStation();
  void unsetSiteShowsWhichSettingToFill();
};

void ClusterWindowTest::firstOpeningLoadsTheHfGroupPage() {
  ClusterFixture f;
  const auto window = f.open();
  auto* view = Find<QWebEngineView>(*window, "WebBrowser1");
  QVERIFY(WaitForLoad(*view));
  QCOMPARE(view->title(), QStringLiteral("/dxc/top_250_HF.html"));
  QVERIFY(f.site.requested.contains(QStringLiteral("/dxc/top_250_HF.html")));
  QCOMPARE(Find<QComboBox>(*window, "Bande_CL")->currentText(), QStringLiteral("All HF"));
  QCOMPARE(f.storedBand(), QStringLiteral("0"));
  QCOMPARE(window->objectName(), QStringLiteral("Cluster"));
  QCOMPARE(window->windowTitle(), QStringLiteral("Cluster"));
  QCOMPARE(Find<QPushButton>(*window, "Afficher")->text(), QStringLiteral("Afficher"));
  QCOMPARE(Find<QLabel>(*window, "Label2")->text(), QStringLiteral("Cluster (DxCluster)"));
  QCOMPARE(Find<QLabel>(*window, "Label3")->text(), QStringLiteral("Bande"));
  QCOMPARE(Find<QLabel>(*window, "Label1")->text(), QStringLiteral("Cluster remis a jour toutes les minutes"));
  auto* bands = Find<QComboBox>(*window, "Bande_CL");
  QVERIFY(bands->isEditable());
  QStringList items;
  for (int i = 0; i < bands->count(); ++i) items << bands->itemText(i);
  QCOMPARE(items, QStringList({"All HF", "1.8 Mhz", "3.5 Mhz", "7.0 Mhz", "10 Mhz", "14 Mhz", "18 Mhz", "21 Mhz",
                               "24 Mhz", "28 Mhz", "50 Mhz", "144 Mhz", "432 Mhz", "All VHF"}));
}

void ClusterWindowTest::everyChoiceNavigatesToItsPageAndIsStored_data() {
  QTest::addColumn<int>("index");
  QTest::addColumn<QString>("path");
  const char* const paths[] = {
      "/dxc/top_250_HF.html",     "/dxc/top_50_1.8_MHz.html", "/dxc/top_50_3.5_MHz.html", "/dxc/top_50_7_MHz.html",
      "/dxc/top_50_10_MHz.html",  "/dxc/top_50_14_MHz.html",  "/dxc/top_50_18_MHz.html",  "/dxc/top_50_21_MHz.html",
      "/dxc/top_50_24_MHz.html",  "/dxc/top_50_28_MHz.html",  "/dxc/top_50_50_MHz.html",  "/dxc/top_50_144_MHz.html",
      "/dxc/top_50_430_MHz.html", "/dxc/top_250_VHF.html",
  };
  // Chosen backwards so that every row changes the selection.
  for (int index = 13; index >= 0; --index) QTest::addRow("%d", index) << index << QString::fromLatin1(paths[index]);
}

void ClusterWindowTest::everyChoiceNavigatesToItsPageAndIsStored() {
  QFETCH(int, index);
  QFETCH(QString, path);
  ClusterFixture f;
  f.env.settings->write(kStation, kBandeCluster, QStringLiteral("%1").arg(13 - index));
  const auto window = f.open();
  Choose(*window, index);
  QCOMPARE(f.shown(*window), f.site.address() + path);
  QCOMPARE(f.storedBand(), QString::number(index));
}

void ClusterWindowTest::typedBandChoosesNoCodeAndStoresMinusOne() {
  ClusterFixture f;
  const auto window = f.open();
  Find<QComboBox>(*window, "Bande_CL")->setEditText(QStringLiteral("433 Mhz"));
  Find<QPushButton>(*window, "Afficher")->click();
  QCOMPARE(f.shown(*window), f.page("/dxc/top_50__MHz.html"));
  QCOMPARE(f.storedBand(), QStringLiteral("-1"));
}

void ClusterWindowTest::reopeningShowsTheLastChosenBandAtOnce() {
  ClusterFixture f;
  {
    const auto window = f.open();
    Choose(*window, 9);
  }
  const auto reopened = f.open();
  QCOMPARE(Find<QComboBox>(*reopened, "Bande_CL")->currentText(), QStringLiteral("28 Mhz"));
  QCOMPARE(f.shown(*reopened), f.page("/dxc/top_50_28_MHz.html"));
  QCOMPARE(f.storedBand(), QStringLiteral("9"));
}

void ClusterWindowTest::storedValueIsReadWithTheLeadingNumberRuleOrFallsBackToAllHf_data() {
  QTest::addColumn<QString>("stored");
  QTest::addColumn<int>("index");
  QTest::addColumn<QString>("path");
  const QString allHf = QStringLiteral("/dxc/top_250_HF.html");
  QTest::newRow("leading number") << QStringLiteral("12 (432 Mhz)") << 12 << QStringLiteral("/dxc/top_50_430_MHz.html");
  QTest::newRow("nothing chosen last time") << QStringLiteral("-1") << 0 << allHf;
  QTest::newRow("past the end") << QStringLiteral("14") << 0 << allHf;
  QTest::newRow("far past the end") << QStringLiteral("4000000000") << 0 << allHf;
  QTest::newRow("not a number") << QStringLiteral("VHF") << 0 << allHf;
  QTest::newRow("empty") << QString() << 0 << allHf;
}

void ClusterWindowTest::storedValueIsReadWithTheLeadingNumberRuleOrFallsBackToAllHf() {
  QFETCH(QString, stored);
  QFETCH(int, index);
  QFETCH(QString, path);
  ClusterFixture f;
  f.env.settings->write(kStation, kBandeCluster, stored);
  const auto window = f.open();
  QCOMPARE(Find<QComboBox>(*window, "Bande_CL")->currentIndex(), index);
  QCOMPARE(f.shown(*window), f.site.address() + path);
  QCOMPARE(f.storedBand(), QString::number(index));
}

void ClusterWindowTest::choiceIsKeptPerStation() {
  ClusterFixture f;
  f.env.settings->write(QStringLiteral("Setup F6XYZ"), kBandeCluster, QStringLiteral("5"));
  const auto window = f.open();
  Choose(*window, 13);
  QCOMPARE(f.storedBand(), QStringLiteral("13"));
  QCOMPARE(f.env.settings->read(QStringLiteral("Setup F6XYZ"), kBandeCluster), QStringLiteral("5"));
  QCOMPARE(f.env.settings->read(kSetup, kBandeCluster), QString());
}

void ClusterWindowTest::unsetSiteShowsWhichSettingToFill() {
  TestEnvironment env;
  const FakeLogbook station("F4ABC");
  ClusterWindow window(env.context, station);
  auto* view = Find<QWebEngineView>(window, "WebBrowser1");
  QVERIFY(WaitForLoad(*view));
  const QString text = PlainTextOf(*view);
  QVERIFY2(text.contains(QStringLiteral("« Site Cluster »")), qPrintable(text));
  QVERIFY(text.contains(QStringLiteral("Setup")));
  QCOMPARE(env.messages.shown, QStringList());
  QCOMPARE(env.settings->read(kStation, kBandeCluster), QStringLiteral("0"));
}

int RunClusterWindowTests(int argc, char** argv) {
  ClusterWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "ClusterWindowTest.moc"
