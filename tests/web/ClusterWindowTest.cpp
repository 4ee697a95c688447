#include <memory>

#include "support/TestSupport.h"
#include "ui/web/ClusterWindow.h"
#include "ui/web/SitePage.h"
#include "web/WebTests.h"

using namespace settings_keys;

namespace {

const QString kStation = u"Setup F4ABC"_s;
const QString kSite = u"http://127.0.0.1:1"_s;  // nothing listens there: the address is what counts

// A cluster window of station F4ABC.
struct ClusterFixture {
  ClusterFixture() { env.settings->write(kSetup, kSiteCluster, kSite); }
  std::unique_ptr<ClusterWindow> open() { return std::make_unique<ClusterWindow>(env.context, station); }
  QString shown(ClusterWindow& window) const { return Find<QWebEngineView>(window, "WebBrowser1")->url().toString(); }
  QString page(const char* path) const { return kSite + QLatin1String(path); }
  QString storedBand() const { return env.settings->read(kStation, kBandeCluster); }

  TestEnvironment env;
  FakeLogbook station{"F4ABC"};
};

void Choose(ClusterWindow& window, int index) {
  Find<QComboBox>(window, "Bande_CL")->setCurrentIndex(index);
  Find<QPushButton>(window, "Afficher")->click();
}

}  // namespace

// Which page each band of the list names is the core's ClusterAddressTest.
class ClusterWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void everyChoiceNavigatesToItsPageAndIsKeptPerStation() {
    ClusterFixture f;
    f.env.settings->write(u"Setup F6XYZ"_s, kBandeCluster, u"5"_s);
    const auto window = f.open();
    for (const auto& [index, path] : {std::pair{13, "/dxc/top_250_VHF.html"}, {1, "/dxc/top_50_1.8_MHz.html"}}) {
      Choose(*window, index);
      QCOMPARE(f.shown(*window), f.page(path));
      QCOMPARE(f.storedBand(), QString::number(index));
    }
    QCOMPARE(f.env.settings->read(u"Setup F6XYZ"_s, kBandeCluster), u"5"_s);
    QCOMPARE(f.env.settings->read(kSetup, kBandeCluster), QString());
    // A band typed over the list chooses no code, and is stored as -1.
    Find<QComboBox>(*window, "Bande_CL")->setEditText(u"433 Mhz"_s);
    Find<QPushButton>(*window, "Afficher")->click();
    QCOMPARE(f.shown(*window), f.page("/dxc/top_50__MHz.html"));
    QCOMPARE(f.storedBand(), u"-1"_s);
  }

  // The stored value (none at first) is read with the leading-number rule, or falls back to All HF, and written back.
  void storedValueSelectsItsBandOrAllHf() {
    for (const auto& [stored, index, path] : {std::tuple{"", 0, "/dxc/top_250_HF.html"},
                                              {"12 (432 Mhz)", 12, "/dxc/top_50_430_MHz.html"},
                                              {"VHF", 0, "/dxc/top_250_HF.html"}}) {
      ClusterFixture f;
      if (*stored) f.env.settings->write(kStation, kBandeCluster, QString::fromLatin1(stored));
      const auto window = f.open();
      QCOMPARE(Find<QComboBox>(*window, "Bande_CL")->count(), 14);
      QVERIFY(Find<QComboBox>(*window, "Bande_CL")->isEditable());
      QCOMPARE(Find<QComboBox>(*window, "Bande_CL")->currentIndex(), index);
      QCOMPARE(f.shown(*window), f.page(path));
      QCOMPARE(f.storedBand(), QString::number(index));
    }
  }
};

int RunClusterWindowTests(int argc, char** argv) {
  ClusterWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "ClusterWindowTest.moc"
