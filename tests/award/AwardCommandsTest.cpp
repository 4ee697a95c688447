#include "support/FakeLogbook.h"
#include "support/MainSession.h"

class AwardCommandsTest : public QObject {
  Q_OBJECT
 private slots:
  void eachCommandOpensItsWindowOnce_data();
  void eachCommandOpensItsWindowOnce();
  void aClosedWindowReadsTheLogAfresh();
};

void AwardCommandsTest::eachCommandOpensItsWindowOnce_data() {
  QTest::addColumn<QString>("command");
  QTest::addColumn<QString>("window");
  QTest::addColumn<QString>("caption");
  QTest::newRow("scores") << "Mnu_Score"
                          << "Score_KMB"
                          << "Scores";
  QTest::newRow("HF diploma") << "Mnu_KMB_HF"
                              << "Diplomes"
                              << "Diplome KMB bande HF";
  QTest::newRow("VHF diploma") << "Mnu_Diplome_VHF"
                               << "Diplome_VHF"
                               << "Diplome KMB bande VHF";
  QTest::newRow("map") << "Mnu_Carte_Acti_KMB"
                       << "Carte_Acti_KMB"
                       << "Carte des départements contactés";
  QTest::newRow("lists") << "Mnu_L_Contacte"
                         << "Aff_Contacte"
                         << "Lavoirs contactés et confirmés";
}

void AwardCommandsTest::eachCommandOpensItsWindowOnce() {
  QFETCH(QString, command);
  QFETCH(QString, window);
  QFETCH(QString, caption);
  MainSession s(LogBytes({LogLine("F1AAA", "89", "89001")}));
  s.env.messages.clear();
  s.trigger(qPrintable(command));
  QCOMPARE(TopLevels(window).size(), 1);
  QWidget* opened = TopLevels(window).first();
  QCOMPARE(opened->windowTitle(), caption);
  QVERIFY(opened->parentWidget() == nullptr);
  s.trigger(qPrintable(command));
  QCOMPARE(TopLevels(window).size(), 1);
  QCOMPARE(TopLevels(window).first(), opened);
  QCOMPARE(s.env.messages.shown, QStringList());
  opened->close();
}

void AwardCommandsTest::aClosedWindowReadsTheLogAfresh() {
  const QByteArray first = LogLine("F1AAA", "89", "89001", "05/12/26", "09:07", "14 Mhz", true);
  MainSession s(LogBytes({first}));
  s.trigger("Mnu_Score");
  QCoreApplication::processEvents();
  QPointer<QWidget> opened = TopLevels(QStringLiteral("Score_KMB")).first();
  QCOMPARE(Find<QLineEdit>(*opened, "HF_CF")->text(), QStringLiteral("1"));
  opened->close();
  QTRY_VERIFY(opened.isNull());
  s.env.writeFile("F4ABC_KMB.log",
                  LogBytes({first, LogLine("F1BBB", "77", "77001", "05/12/26", "09:08", "14 Mhz", true)}));
  s.trigger("Mnu_Score");
  QCoreApplication::processEvents();
  QWidget* second = TopLevels(QStringLiteral("Score_KMB")).first();
  QCOMPARE(Find<QLineEdit>(*second, "HF_CF")->text(), QStringLiteral("2"));
  second->close();
}

QTEST_MAIN(AwardCommandsTest)
#include "AwardCommandsTest.moc"
