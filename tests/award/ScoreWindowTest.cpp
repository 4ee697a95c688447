#include "support/FakeLogbook.h"
#include "ui/award/ScoreWindow.h"
#include "ui/kit/FieldColours.h"

class ScoreWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void emptyLogShowsZeroInEveryBoxUnderItsCaption();
  void countsEachPanelFromItsBands();
  void missingLogShowsZerosAndSaysWhy();
};

namespace {

const char* const kBoxes[] = {"HF_CT", "HF_CF", "HF_Dpt", "VHF_CT", "VHF_CF", "VHF_Dpt"};

QStringList Figures(QWidget& window) {
  QStringList texts;
  for (const char* name : kBoxes) texts << Find<QLineEdit>(window, QString::fromLatin1(name))->text();
  return texts;
}

QByteArray Qso(const std::string& dpt, const std::string& band, bool qsl) {
  return LogLine("F1AAA", dpt, "89001", "05/12/26", "09:07", band, qsl);
}

}  // namespace

void ScoreWindowTest::emptyLogShowsZeroInEveryBoxUnderItsCaption() {
  TestEnvironment env;
  env.writeFile("F4ABC_KMB.log", {});
  FakeLogbook logbook("F4ABC");
  ScoreWindow window(env.context, logbook);
  ShowAndSettle(window);
  QCOMPARE(Figures(window), QStringList({"0", "0", "0", "0", "0", "0"}));
  QCOMPARE(env.messages.shown, QStringList());
  QCOMPARE(window.objectName(), QStringLiteral("Score_KMB"));
  QCOMPARE(window.windowTitle(), QStringLiteral("Scores"));
  const QList<QPair<const char*, const char*>> labels = {
      {"Label2", "Scores KMB"},
      {"Label1", "KMB HF"},
      {"Label3", "Nombre de Lavoirs contactés"},
      {"Label4", "Nombre de Lavoirs confirmés"},
      {"Label11", "Nombre de départements confirmés"},
      {"Label5", "KMB VHF"},
      {"Label7", "Nombre de Lavoirs contactés"},
      {"Label9", "Nombre de Lavoirs confirmés"},
      {"Label12", "Nombre de départements confirmés"},
  };
  for (const auto& [name, text] : labels) QCOMPARE(Find<QLabel>(window, name)->text(), QString::fromUtf8(text));
  for (const char* name : kBoxes) {
    auto* box = Find<QLineEdit>(window, name);
    QCOMPARE(FieldColour(*box), QColor(255, 255, 192));
    QVERIFY(box->alignment() & Qt::AlignHCenter);
    QVERIFY(box->isReadOnly());
  }
  window.show();
  QVERIFY(Find<QWidget>(window, "Frame2")->y() < Find<QWidget>(window, "Frame3")->y());
  QVERIFY(Find<QWidget>(window, "HF_CT")->y() < Find<QWidget>(window, "HF_CF")->y());
  QVERIFY(Find<QWidget>(window, "HF_CF")->y() < Find<QWidget>(window, "HF_Dpt")->y());
}

void ScoreWindowTest::countsEachPanelFromItsBands() {
  TestEnvironment env;
  env.writeFile("F4ABC_KMB.log",
                LogBytes({Qso("89", "14 Mhz", true), Qso("89", "7.0 Mhz", true), Qso("77", "14 Mhz", false),
                          Qso("2A", "50 Mhz", true), Qso("2a", "18 Mhz", true), Qso("01", "10 Mhz", true),
                          Qso("02", "432 Mhz", true), Qso("03", "144 Mhz", true), Qso("04", "144 Mhz", false)}));
  FakeLogbook logbook("F4ABC");
  ScoreWindow window(env.context, logbook);
  ShowAndSettle(window);
  // HF: 89 twice and 96 confirmed, 77 only worked; 10 and 432 MHz nowhere.
  QCOMPARE(Figures(window), QStringList({"5", "4", "2", "2", "1", "1"}));
}

void ScoreWindowTest::missingLogShowsZerosAndSaysWhy() {
  TestEnvironment env;
  FakeLogbook logbook("F4ABC");
  ScoreWindow window(env.context, logbook);
  ShowAndSettle(window);
  QCOMPARE(Figures(window), QStringList({"0", "0", "0", "0", "0", "0"}));
  QCOMPARE(env.messages.shown.size(), 1);
  QVERIFY(env.messages.last().contains(QStringLiteral("F4ABC_KMB.log")));
  QVERIFY(env.messages.last().contains(QStringLiteral("introuvable")));
}

QTEST_MAIN(ScoreWindowTest)
#include "ScoreWindowTest.moc"
