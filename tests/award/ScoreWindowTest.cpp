#include "support/TestSupport.h"
#include "ui/award/ScoreWindow.h"

namespace {

QByteArray Qso(const std::string& dpt, const std::string& band, bool qsl) {
  return LogLine("F1AAA", dpt, "89001", "05/12/26", "09:07", band, qsl);
}

}  // namespace

class ScoreWindowTest : public QObject {
  Q_OBJECT
 private slots:
  // HF above VHF, each panel's figures one under the other, none of them typed into.
  void countsEachPanelFromItsBands() {
    TestEnvironment env;
    env.writeFile("F4ABC_KMB.log",
                  LogBytes({Qso("89", "14 Mhz", true), Qso("89", "7.0 Mhz", true), Qso("77", "14 Mhz", false),
                            Qso("2A", "50 Mhz", true), Qso("2a", "18 Mhz", true), Qso("01", "10 Mhz", true),
                            Qso("02", "432 Mhz", true), Qso("03", "144 Mhz", true), Qso("04", "144 Mhz", false)}));
    FakeLogbook logbook("F4ABC");
    ScoreWindow window(env.context, logbook);
    ShowAndSettle(window);
    // HF: 89 twice and 96 confirmed, 77 only worked; 10 and 432 MHz nowhere.
    QStringList figures;
    for (const char* name : {"HF_CT", "HF_CF", "HF_Dpt", "VHF_CT", "VHF_CF", "VHF_Dpt"}) {
      figures << Find<QLineEdit>(window, name)->text();
      QVERIFY(Find<QLineEdit>(window, name)->isReadOnly());
    }
    QCOMPARE(figures, QStringList({"5", "4", "2", "2", "1", "1"}));
    QCOMPARE(env.messages.shown, QStringList());
    QVERIFY(Find<QWidget>(window, "Frame2")->y() < Find<QWidget>(window, "Frame3")->y());
    QVERIFY(Find<QWidget>(window, "HF_CT")->y() < Find<QWidget>(window, "HF_CF")->y());
    QVERIFY(Find<QWidget>(window, "HF_CF")->y() < Find<QWidget>(window, "HF_Dpt")->y());
  }
};

QTEST_MAIN(ScoreWindowTest)
#include "ScoreWindowTest.moc"
