#include <cerrno>

#include "support/FaultyFileSystem.h"
#include "support/MainSession.h"

using Step = kmb::IoError::Step;

class EditingTest : public QObject {
  Q_OBJECT
 private slots:
  void clickShowsTheQsoWithoutOpeningIt();
  void modificationRewritesTheChosenLineOnly();
  void modificationWithAFieldTooLongIsRefused();
  void doubleClickOnAnEmptyListLocksClicks();
  void deletionAnsweredYesAndNo();
  void insertionGoesBeforeTheSameMoment();
  void automaticSaveGoesBeforeACallSignStartingWithNine();
  void failedWritesKeepBothFilesAndTheEntry_data();
  void failedWritesKeepBothFilesAndTheEntry();
  void logFailureAfterTheListPutsTheListBack();
  void linesAsEditorsLeftThemAreFoundByTheirPlace();
  void aLogChangedBehindTheProgramIsNeverOverwritten();
};

void EditingTest::clickShowsTheQsoWithoutOpeningIt() {
  MainSession s(LogBytes({LogLine("F1AAA", "89", "89001", "05/12/26", "09:07", "14 Mhz", true, "LAVOIR", "PAUL"),
                          LogLine("F1BBB", "77", "77001")}));
  s.clickRow(0);
  QCOMPARE(s.text("Ind_A"), QStringLiteral("F1AAA"));
  QCOMPARE(s.text("Prenom_A"), QStringLiteral("PAUL"));
  QCOMPARE(s.text("Bande_A"), QStringLiteral("14 Mhz"));
  QCOMPARE(s.text("Rem_A"), QStringLiteral("LAVOIR"));
  QVERIFY(s.widget<QCheckBox>("QSL_A")->isChecked());
  QVERIFY(!s.field("Ind_A")->isEnabled());
  QVERIFY(s.widget("Annule_Saisie")->isEnabled());
  QCOMPARE(s.text("Mode_Aff"), QStringLiteral("Saisie QSO"));
}

void EditingTest::modificationRewritesTheChosenLineOnly() {
  const QByteArray twice = LogLine("F1AAA", "89", "89001", "05/12/26", "09:07", "14 Mhz", false, "vieux lavoir");
  const QByteArray other = LogLine("F1BBB", "77", "77001");
  MainSession s(LogBytes({twice, other, twice}));
  s.clickRow(2);
  s.doubleClickRow(2);
  QCOMPARE(s.text("Mode_Aff"), QStringLiteral("Modification QSO"));
  QVERIFY(s.focusedOn("Ind_A"));
  QVERIFY(s.widget("Valide_A")->isEnabled());
  QVERIFY(s.field("Date_A")->isEnabled());
  // Clicks and double clicks on the list do nothing while a row is open.
  s.clickRow(1);
  QCOMPARE(s.text("Ind_A"), QStringLiteral("F1AAA"));
  s.field("Rem_A")->setText(QStringLiteral("lavoir neuf"));
  QTest::keyClick(s.widget("QSL_A"), Qt::Key_Space);
  s.save();
  const QByteArray changed = LogLine("F1AAA", "89", "89001", "05/12/26", "09:07", "14 Mhz", true, "LAVOIR NEUF");
  QCOMPARE(s.log(), LogBytes({twice, other, changed}));
  QCOMPARE(s.text("Mode_Aff"), QStringLiteral("Saisie QSO"));
  QCOMPARE(s.firstNames(), QByteArray("F1AAA        89 \r\n"));
}

void EditingTest::modificationWithAFieldTooLongIsRefused() {
  const QByteArray log = LogBytes({LogLine("F1AAA", "89", "89001")});
  MainSession s(log);
  s.clickRow(0);
  s.doubleClickRow(0);
  s.field("Heure_A")->setText(QStringLiteral("9:07"));
  s.save();
  QCOMPARE(s.env.messages.last(), QStringLiteral("5 caracteres pour l'heure ex: 08:45"));
  QCOMPARE(s.log(), log);
  QVERIFY(!s.env.exists("Liste_Prenom.txt"));
  QCOMPARE(s.text("Heure_A"), QStringLiteral("9:07"));
  QCOMPARE(s.text("Mode_Aff"), QStringLiteral("Modification QSO"));
}

void EditingTest::doubleClickOnAnEmptyListLocksClicks() {
  MainSession s({});
  s.doubleClickRow(-1);
  QCOMPARE(s.env.messages.shown, QStringList{"Cliquez sur une ligne pour l'editer"});
  s.doubleClickRow(-1);
  QCOMPARE(s.env.messages.shown.size(), 1);  // locked: a second double click does nothing
  s.click("Efface_A");
  s.doubleClickRow(-1);
  QCOMPARE(s.env.messages.shown.size(), 2);
}

void EditingTest::deletionAnsweredYesAndNo() {
  const QByteArray a = LogLine("F1AAA", "89", "89001");
  const QByteArray b = LogLine("F1BBB", "77", "77001");
  MainSession s(LogBytes({a, b, a}));
  s.clickRow(0);
  s.env.messages.answer({false});
  s.click("Annule_Saisie");
  QCOMPARE(s.env.messages.last(), QStringLiteral("Voulez vous Supprimer ce QSO ?"));
  QCOMPARE(s.log(), LogBytes({a, b, a}));
  QCOMPARE(s.text("Ind_A"), QString());
  QVERIFY(!s.widget("Annule_Saisie")->isEnabled());
  s.clickRow(2);
  s.env.messages.answer({true});
  s.click("Annule_Saisie");
  QCOMPARE(s.log(), LogBytes({a, b}));
  QCOMPARE(int(s.main->listRows().size()), 2);
  QVERIFY(!s.env.exists("Temporaire.txt"));
}

void EditingTest::insertionGoesBeforeTheSameMoment() {
  const QByteArray early = LogLine("F1AAA", "89", "89001", "01/03/14", "10:00");
  const QByteArray same = LogLine("F1BBB", "89", "89002", "05/06/14", "12:30");
  MainSession s(LogBytes({early, same}));
  s.clickRow(0);
  s.click("Ajout_QSO");
  QCOMPARE(s.text("Mode_Aff"), QStringLiteral("Insertion QSO"));
  QVERIFY(s.focusedOn("Ind_A"));
  s.field("Ind_A")->clear();
  s.typeAndEnter("Ind_A", "F4NEW");
  s.field("Prenom_A")->clear();
  s.enter("Prenom_A");
  s.field("Dpt_A")->clear();
  s.typeAndEnter("Dpt_A", "21");
  s.field("Ref_A")->clear();
  s.typeAndEnter("Ref_A", "21001");
  QVERIFY(s.focusedOn("Date_A"));  // insertion never takes the clock
  s.field("Date_A")->setText(QStringLiteral("05/06/14"));
  s.enter("Date_A");
  s.field("Heure_A")->setText(QStringLiteral("12:30"));
  s.enter("Heure_A");
  s.enterEach({"Mode_A", "RST_A", "RSTE_A"});
  s.field("Rem_A")->clear();
  s.enter("Rem_A");
  s.enter("QSL_A");
  s.save();
  // The band shown by the row click stays in the band field.
  const QByteArray inserted = LogLine("F4NEW", "21", "21001", "05/06/14", "12:30", "14 Mhz");
  QCOMPARE(s.log(), LogBytes({early, inserted, same}));
}

void EditingTest::automaticSaveGoesBeforeACallSignStartingWithNine() {
  const QByteArray a = LogLine("F1AAA", "89", "89001");
  const QByteArray nine = LogLine("9A1AA", "89", "89002");
  MainSession s(LogBytes({a, nine}));
  s.walkToValidate("F4XYZ", "77001");
  s.save();
  const QList<QByteArray> lines = s.log().split('\n');
  QVERIFY(lines[1].startsWith("F4XYZ"));
  QVERIFY(lines[2].startsWith("9A1AA"));
  QCOMPARE(s.widget<QListView>("Liste_KMB")->currentIndex().row(), 2);
}

void EditingTest::failedWritesKeepBothFilesAndTheEntry_data() {
  QTest::addColumn<QString>("operation");
  QTest::addColumn<int>("step");
  QTest::addColumn<int>("errnum");
  QTest::addColumn<QString>("cause");
  const struct {
    const char* name;
    Step step;
    int errnum;
    const char* cause;
  } faults[] = {
      {"unwritable folder", Step::Create, EACCES, "accès refusé"},
      {"disk full while writing", Step::Write, ENOSPC, "disque est plein"},
      {"flush fails", Step::Flush, EIO, "entrée-sortie"},
      {"rename fails", Step::Rename, EBUSY, "occupé"},
      {"read-only log", Step::Check, EACCES, "accès refusé"},
  };
  for (const char* operation : {"add", "insert", "modify", "delete"})
    for (const auto& fault : faults)
      QTest::addRow("%s, %s", operation, fault.name)
          << QString::fromLatin1(operation) << int(fault.step) << fault.errnum << QString::fromUtf8(fault.cause);
}

void EditingTest::failedWritesKeepBothFilesAndTheEntry() {
  QFETCH(QString, operation);
  QFETCH(int, step);
  QFETCH(int, errnum);
  QFETCH(QString, cause);
  const QByteArray log = LogBytes({LogLine("F1AAA", "89", "89001", "01/03/14"), LogLine("F1BBB", "77", "77001")});
  const QByteArray names = "F1AAA        89 PAUL\r\n";
  MainSession s(log, false);
  s.env.writeFile("Liste_Prenom.txt", names);
  FaultyFileSystem faulty(s.env.files);
  AppContext context{s.env.folder(), faulty, s.env.messages, *s.env.settings, s.env.clock, s.env.printers};
  s.start(&context);

  const auto act = [&] {
    s.env.messages.answer({true});
    s.click(operation == "delete" ? "Annule_Saisie" : "Valide_A");
  };
  if (operation == "delete") {
    s.clickRow(0);
  } else if (operation == "modify") {
    s.clickRow(0);
    s.doubleClickRow(0);
    s.field("Rem_A")->setText(QStringLiteral("NOUVEAU NOM"));
  } else {
    const bool insert = operation == "insert";
    if (insert) s.click("Ajout_QSO");
    s.walkToValidate("F4XYZ", "21001", "JEAN", "21", insert ? "05/06/14" : "", insert ? "12:30" : "");
  }
  faulty.failAt(Step(step), errnum);
  act();
  QCOMPARE(s.log(), log);
  QCOMPARE(s.firstNames(), names);
  QVERIFY2(s.env.messages.last().contains(cause), qPrintable(s.env.messages.last()));
  QVERIFY(!s.env.exists("Temporaire.txt"));
  QVERIFY(!s.env.exists("Temporaire6.txt"));
  QCOMPARE(int(s.main->listRows().size()), 2);
  if (operation == "delete") return;
  // Nothing typed is lost: the entry is still there, and saves once the disk
  // is healthy again.
  QCOMPARE(s.text("Ind_A"), operation == "modify" ? QStringLiteral("F1AAA") : QStringLiteral("F4XYZ"));
  faulty.heal();
  act();
  QVERIFY(s.log() != log);
  QCOMPARE(int(s.main->listRows().size()), operation == "modify" ? 2 : 3);
}

// The log write fails after the first-name list was written: the list must
// be put back as it was.
void EditingTest::logFailureAfterTheListPutsTheListBack() {
  const QByteArray log = LogBytes({LogLine("F1AAA", "89", "89001")});
  MainSession s(log, false);
  s.env.writeFile("Liste_Prenom.txt", "F1AAA        89 PAUL\r\n");

  FaultyFileSystem failing(s.env.files);
  failing.failOnce(Step::Write, ENOSPC, 1);  // the list's write passes, the log's fails
  AppContext context{s.env.folder(), failing, s.env.messages, *s.env.settings, s.env.clock, s.env.printers};
  s.start(&context);
  s.walkToValidate("F4XYZ", "77001", "JEAN");
  s.save();
  QCOMPARE(s.log(), log);
  QCOMPARE(s.firstNames(), QByteArray("F1AAA        89 PAUL\r\n"));
  QVERIFY(s.env.messages.last().contains(QStringLiteral("disque est plein")));
  QCOMPARE(s.text("Ind_A"), QStringLiteral("F4XYZ"));
}

// Trailing blanks stripped by an editor, a note typed after the QSL column:
// the row still leads to its own line, never to an earlier look-alike.
void EditingTest::linesAsEditorsLeftThemAreFoundByTheirPlace() {
  const QByteArray full = LogLine("F1AAA", "89", "89001");
  const QByteArray noted = full + " carte envoyee";
  QByteArray stripped = LogLine("F1BBB", "77", "77001");
  while (stripped.endsWith(' ')) stripped.chop(1);
  MainSession s(LogBytes({full, noted, stripped}));
  s.clickRow(1);
  s.env.messages.answer({true});
  s.click("Annule_Saisie");
  QCOMPARE(s.log(), LogBytes({full, stripped}));

  s.clickRow(1);
  s.doubleClickRow(1);
  s.field("Rem_A")->setText(QStringLiteral("neuf"));
  s.save();
  QCOMPARE(s.log(), LogBytes({full, LogLine("F1BBB", "77", "77001", "05/12/26", "09:07", "14 Mhz", false, "NEUF")}));
}

void EditingTest::aLogChangedBehindTheProgramIsNeverOverwritten() {
  const QByteArray a = LogLine("F1AAA", "89", "89001");
  const QByteArray b = LogLine("F1BBB", "77", "77001");
  MainSession s(LogBytes({a, b}));
  s.clickRow(0);
  const QByteArray edited = LogBytes({LogLine("F1NEW", "21", "21001"), a, b});
  s.env.writeFile("F4ABC_KMB.log", edited);
  s.env.messages.answer({true});
  s.click("Annule_Saisie");
  QCOMPARE(s.log(), edited);
  QVERIFY(s.env.messages.shown.join(u'|').contains(QStringLiteral("hors d'ORX_KMB")));
  QCOMPARE(int(s.main->listRows().size()), 3);

  // A log deleted while the program runs is not silently replaced by a
  // one-line log: the operator is told, and the entry waits on screen.
  QVERIFY(QFile::remove(QString::fromStdString(s.env.file("F4ABC_KMB.log").string())));
  s.walkToValidate("F4XYZ", "77001");
  s.save();
  QVERIFY(!s.env.exists("F4ABC_KMB.log"));
  QVERIFY(s.env.messages.last().contains(QStringLiteral("introuvable")));
  QCOMPARE(s.text("Ind_A"), QStringLiteral("F4XYZ"));
  s.save();
  QVERIFY(s.log().startsWith("F4XYZ"));
  QCOMPARE(s.log().count('\n'), 1);
}

QTEST_MAIN(EditingTest)
#include "EditingTest.moc"
