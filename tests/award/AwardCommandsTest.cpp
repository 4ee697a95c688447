#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QtTest>

#include "app/MainWindow.h"
#include "support/TestSupport.h"

class AwardCommandsTest : public QObject {
  Q_OBJECT
 private slots:
  void eachCommandOpensItsWindowOnce_data();
  void eachCommandOpensItsWindowOnce();
  void aClosedWindowReadsTheLogAfresh();
};

namespace {

QList<QWidget*> TopLevel(const QString& name) {
  QList<QWidget*> found;
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget->objectName() == name && widget->isVisible()) found << widget;
  return found;
}

void Trigger(MainWindow& main, const QString& command) {
  auto* action = main.findChild<QAction*>(command);
  QVERIFY2(action, qPrintable(command));
  action->trigger();
}

void StartStation(TestEnvironment& env, const QByteArray& log) {
  env.settings->write(settings_keys::kSetup, settings_keys::kIndicatifStation, QStringLiteral("F4ABC"));
  env.writeFile("F4ABC_KMB.log", log);
}

}  // namespace

void AwardCommandsTest::eachCommandOpensItsWindowOnce_data() {
  QTest::addColumn<QString>("command");
  QTest::addColumn<QString>("window");
  QTest::addColumn<QString>("caption");
  QTest::newRow("scores") << "Mnu_Score" << "Score_KMB" << "Scores";
  QTest::newRow("HF diploma") << "Mnu_KMB_HF" << "Diplomes" << "Diplome KMB bande HF";
  QTest::newRow("VHF diploma") << "Mnu_Diplome_VHF" << "Diplome_VHF" << "Diplome KMB bande VHF";
  QTest::newRow("map") << "Mnu_Carte_Acti_KMB" << "Carte_Acti_KMB" << "Carte des départements contactés";
  QTest::newRow("lists") << "Mnu_L_Contacte" << "Aff_Contacte" << "Lavoirs contactés et confirmés";
}

void AwardCommandsTest::eachCommandOpensItsWindowOnce() {
  QFETCH(QString, command);
  QFETCH(QString, window);
  QFETCH(QString, caption);
  TestEnvironment env;
  StartStation(env, LogBytes({LogLine("F1AAA", "89", "89001")}));
  MainWindow main(env.context);
  main.start();
  env.messages.clear();

  Trigger(main, command);
  QCOMPARE(TopLevel(window).size(), 1);
  QWidget* opened = TopLevel(window).first();
  QCOMPARE(opened->windowTitle(), caption);
  QVERIFY(opened->parentWidget() == nullptr);
  Trigger(main, command);
  QCOMPARE(TopLevel(window).size(), 1);
  QCOMPARE(TopLevel(window).first(), opened);
  QCOMPARE(env.messages.shown, QStringList());
  opened->close();
}

void AwardCommandsTest::aClosedWindowReadsTheLogAfresh() {
  TestEnvironment env;
  StartStation(env, LogBytes({LogLine("F1AAA", "89", "89001", "05/12/26", "09:07", "14 Mhz", true)}));
  MainWindow main(env.context);
  main.start();

  Trigger(main, QStringLiteral("Mnu_Score"));
  QPointer<QWidget> first = TopLevel(QStringLiteral("Score_KMB")).first();
  QCOMPARE(first->findChild<QLineEdit*>(QStringLiteral("HF_CF"))->text(), QStringLiteral("1"));
  first->close();
  QTRY_VERIFY(first.isNull());

  env.writeFile("F4ABC_KMB.log", LogBytes({LogLine("F1AAA", "89", "89001", "05/12/26", "09:07", "14 Mhz", true),
                                           LogLine("F1BBB", "77", "77001", "05/12/26", "09:08", "14 Mhz", true)}));
  Trigger(main, QStringLiteral("Mnu_Score"));
  QWidget* second = TopLevel(QStringLiteral("Score_KMB")).first();
  QCOMPARE(second->findChild<QLineEdit*>(QStringLiteral("HF_CF"))->text(), QStringLiteral("2"));
  second->close();
}

QTEST_MAIN(AwardCommandsTest)
#include "AwardCommandsTest.moc"
