#include "support/FakeLogbook.h"
#include "ui/award/DiplomaWindow.h"

class DiplomaWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void verdictAroundTheThreshold_data();
  void verdictAroundTheThreshold();
  void onlyConfirmedQsosOfTheDiplomasBandsCount();
  void captionsAndNames();
  void missingLogMissesEverythingAndSaysWhy();
};

namespace {

QByteArray Repeated(const std::string& band, int times, bool qsl = true) {
  return (LogLine("F1AAA", "89", "89001", "05/12/26", "09:07", band, qsl) + "\r\n").repeated(times);
}

struct Shown {
  QString verdict;
  QColor colour;
  QString wordsBefore;
  QString number;
  QString wordsAfter;
};

Shown Read(QWidget& window, bool hf) {
  const char* const names[2][4] = {{"Label25", "Label27", "Label28", "Label29"},
                                   {"Label4", "Label18", "Label5", "Label6"}};
  const auto& n = names[hf ? 1 : 0];
  auto* verdict = Find<QLabel>(window, n[0]);
  return {verdict->text(), verdict->palette().color(QPalette::WindowText), Find<QLabel>(window, n[1])->text(),
          Find<QLabel>(window, n[2])->text(), Find<QLabel>(window, n[3])->text()};
}

DiplomaFace FaceFor(bool hf) { return hf ? HfDiplomaFace() : VhfDiplomaFace(); }

}  // namespace

void DiplomaWindowTest::verdictAroundTheThreshold_data() {
  QTest::addColumn<bool>("hf");
  QTest::addColumn<int>("confirmed");
  QTest::addColumn<bool>("reached");
  QTest::addColumn<QString>("number");
  QTest::newRow("HF empty") << true << 0 << false << "30";
  QTest::newRow("HF 12") << true << 12 << false << "18";
  QTest::newRow("HF 29") << true << 29 << false << "1";
  QTest::newRow("HF 30") << true << 30 << true << "30";
  QTest::newRow("HF 41") << true << 41 << true << "41";
  QTest::newRow("VHF empty") << false << 0 << false << "10";
  QTest::newRow("VHF 9") << false << 9 << false << "1";
  QTest::newRow("VHF 10") << false << 10 << true << "10";
}

void DiplomaWindowTest::verdictAroundTheThreshold() {
  QFETCH(bool, hf);
  QFETCH(int, confirmed);
  QFETCH(bool, reached);
  QFETCH(QString, number);
  TestEnvironment env;
  env.writeFile("F4ABC_KMB.log", Repeated(hf ? "14 Mhz" : "144 Mhz", confirmed));
  FakeLogbook logbook("F4ABC");
  DiplomaWindow window(env.context, logbook, FaceFor(hf));
  ShowAndSettle(window);
  const Shown shown = Read(window, hf);
  const QString band = hf ? QStringLiteral("HF") : QStringLiteral("VHF");
  if (reached) {
    QCOMPARE(shown.verdict, QStringLiteral("Bravo vous pouvez obtenir le diplome KMB ") + band);
    QCOMPARE(shown.colour, QColor(0, 128, 0));
    QCOMPARE(shown.wordsBefore, QStringLiteral("avec les QSL des"));
  } else {
    QCOMPARE(shown.verdict, QStringLiteral("Vous ne pouvez pas obtenir le diplome KMB ") + band);
    QCOMPARE(shown.colour, QColor(255, 0, 0));
    QCOMPARE(shown.wordsBefore, QStringLiteral("il vous manque "));
  }
  QCOMPARE(shown.number, number);
  QCOMPARE(shown.wordsAfter, QStringLiteral("Lavoirs confirmés"));
  QCOMPARE(env.messages.shown, QStringList());
}

void DiplomaWindowTest::onlyConfirmedQsosOfTheDiplomasBandsCount() {
  TestEnvironment env;
  env.writeFile("F4ABC_KMB.log", Repeated("50 Mhz", 3) + Repeated("432 Mhz", 4) + Repeated("10 Mhz", 5) +
                                     Repeated("14 Mhz", 40, false) + Repeated("144 Mhz", 2));
  FakeLogbook logbook("F4ABC");
  DiplomaWindow hf(env.context, logbook, HfDiplomaFace());
  ShowAndSettle(hf);
  QCOMPARE(Read(hf, true).number, QStringLiteral("27"));
  DiplomaWindow vhf(env.context, logbook, VhfDiplomaFace());
  ShowAndSettle(vhf);
  QCOMPARE(Read(vhf, false).number, QStringLiteral("8"));
}

void DiplomaWindowTest::captionsAndNames() {
  TestEnvironment env;
  env.writeFile("F4ABC_KMB.log", {});
  FakeLogbook logbook("F4ABC");
  DiplomaWindow hf(env.context, logbook, HfDiplomaFace());
  ShowAndSettle(hf);
  QCOMPARE(hf.objectName(), QStringLiteral("Diplomes"));
  QCOMPARE(hf.windowTitle(), QStringLiteral("Diplome KMB bande HF"));
  QCOMPARE(Find<QLabel>(hf, "Label2")->text(), QStringLiteral("Diplomes KMB bande HF"));
  QVERIFY(Find<QWidget>(hf, "Frame2")->isAncestorOf(Find<QLabel>(hf, "Label4")));
  DiplomaWindow vhf(env.context, logbook, VhfDiplomaFace());
  ShowAndSettle(vhf);
  QCOMPARE(vhf.objectName(), QStringLiteral("Diplome_VHF"));
  QCOMPARE(vhf.windowTitle(), QStringLiteral("Diplome KMB bande VHF"));
  QCOMPARE(Find<QLabel>(vhf, "Label2")->text(), QStringLiteral("Diplomes KMB bande VHF"));
  QVERIFY(Find<QWidget>(vhf, "Frame3")->isAncestorOf(Find<QLabel>(vhf, "Label25")));
  // Words, number and words read as one line.
  hf.show();
  const QRect before = Find<QLabel>(hf, "Label18")->geometry(), number = Find<QLabel>(hf, "Label5")->geometry();
  QCOMPARE(before.y(), number.y());
  QVERIFY(before.x() < number.x() && number.x() < Find<QLabel>(hf, "Label6")->x());
}

void DiplomaWindowTest::missingLogMissesEverythingAndSaysWhy() {
  TestEnvironment env;
  FakeLogbook logbook("F4ABC");
  DiplomaWindow window(env.context, logbook, VhfDiplomaFace());
  ShowAndSettle(window);
  QCOMPARE(Read(window, false).number, QStringLiteral("10"));
  QCOMPARE(env.messages.shown.size(), 1);
  QVERIFY(env.messages.last().contains(QStringLiteral("F4ABC_KMB.log")));
}

QTEST_MAIN(DiplomaWindowTest)
#include "DiplomaWindowTest.moc"
