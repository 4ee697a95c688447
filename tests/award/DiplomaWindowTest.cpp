#include "support/TestSupport.h"
#include "ui/award/DiplomaWindow.h"

class DiplomaWindowTest : public QObject {
  Q_OBJECT
 private slots:
  // The verdict, in red or green, then words, number and words read as one line;
  // which QSOs count and when a diploma is reached is the core's Diploma test.
  void eachDiplomaSaysItsVerdict() {
    const struct {
      bool hf;
      int confirmed;
      const char *verdict, *before, *number;
      QColor colour;
      const char* names[4];
    } cases[] = {
        {true,
         12,
         "Vous ne pouvez pas obtenir le diplome KMB HF",
         "il vous manque ",
         "18",
         QColor(255, 0, 0),
         {"Label4", "Label18", "Label5", "Label6"}},
        {false,
         10,
         "Bravo vous pouvez obtenir le diplome KMB VHF",
         "avec les QSL des",
         "10",
         QColor(0, 128, 0),
         {"Label25", "Label27", "Label28", "Label29"}},
    };
    for (const auto& c : cases) {
      TestEnvironment env;
      const QByteArray line = LogLine("F1AAA", "89", "89001", "05/12/26", "09:07", c.hf ? "14 Mhz" : "144 Mhz", true);
      env.writeFile("F4ABC_KMB.log", (line + "\r\n").repeated(c.confirmed));
      FakeLogbook logbook("F4ABC");
      DiplomaWindow window(env.context, logbook, c.hf ? HfDiplomaFace() : VhfDiplomaFace());
      ShowAndSettle(window);
      auto* verdict = Find<QLabel>(window, c.names[0]);
      QCOMPARE(verdict->text(), QString::fromLatin1(c.verdict));
      QCOMPARE(verdict->palette().color(QPalette::WindowText), c.colour);
      QCOMPARE(Find<QLabel>(window, c.names[1])->text(), QString::fromLatin1(c.before));
      QCOMPARE(Find<QLabel>(window, c.names[2])->text(), QString::fromLatin1(c.number));
      QCOMPARE(Find<QLabel>(window, c.names[3])->text(), QStringLiteral("Lavoirs confirmés"));
      QCOMPARE(env.messages.shown, QStringList());
      const QRect before = Find<QLabel>(window, c.names[1])->geometry();
      const QRect number = Find<QLabel>(window, c.names[2])->geometry();
      QCOMPARE(before.y(), number.y());
      QVERIFY(before.x() < number.x() && number.x() < Find<QLabel>(window, c.names[3])->x());
    }
  }
};

QTEST_MAIN(DiplomaWindowTest)
#include "DiplomaWindowTest.moc"
