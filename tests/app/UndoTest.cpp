// Undo and redo of the log's changes, from the keyboard: each gives back the
// file to the byte, or says why it writes nothing.
#include <cerrno>

#include "support/FaultyFileSystem.h"
#include "support/MainSession.h"

namespace {

// On the main window, where the keyboard went back after the change.
void PressWithCtrlAlt(const MainSession& s, Qt::Key key) {
  QTRY_VERIFY(s.main->isActiveWindow() && QApplication::focusWidget());
  QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier | Qt::AltModifier);
}

// The change `act` makes is undone and redone with their keys, each asked first.
void UndoAndRedo(MainSession& s, const std::function<void()>& act, const QString& named) {
  const QByteArray before = s.log();
  act();
  const QByteArray after = s.log();
  QVERIFY(after != before);
  QVERIFY(s.widget<QAction>("Mnu_Annuler")->isEnabled() && !s.widget<QAction>("Mnu_Retablir")->isEnabled());
  s.env.messages.answer({true});
  PressWithCtrlAlt(s, Qt::Key_Z);
  QCOMPARE(s.env.messages.last(), u"Annuler "_s + named);
  QCOMPARE(s.log(), before);
  s.env.messages.answer({true});
  PressWithCtrlAlt(s, Qt::Key_Y);
  QCOMPARE(s.env.messages.last(), u"Rétablir "_s + named);
  QCOMPARE(s.log(), after);
  QCOMPARE(s.env.messages.unexpectedQuestions, 0);
}

}  // namespace

class UndoTest : public QObject {
  Q_OBJECT
 private slots:
  // A log another editor left with bare CR ends, a control byte and no end after its last line: every kind of
  // change, each undone to the byte and redone.
  void everyChangeIsUndoneAndRedoneToTheByte() {
    const QByteArray a = LogLine("F1AAA", "89", "89001", "01/03/14", "10:00", "14 Mhz", false, "LAVOIR\x07");
    const QByteArray b = LogLine("F1BBB", "77", "77001", "05/06/14", "12:30");
    MainSession s(a + "\r" + b);
    UndoAndRedo(
        s,
        [&s] {
          s.walkToValidate(u"F4NEW"_s, u"21001"_s, u"JEAN"_s);
          s.save();
        },
        u"l'enregistrement du QSO F4NEW du 05/12/26, lavoir 21001 ?"_s);
    UndoAndRedo(
        s,
        [&s] {
          s.clickRow(0);
          s.env.messages.answer({true});
          s.click("Annule_Saisie");
        },
        u"la suppression du QSO F1AAA du 01/03/14, lavoir 89001 ?"_s);
    s.env.messages.answer({true});
    PressWithCtrlAlt(s, Qt::Key_Z);  // the deleted QSO comes back, chosen in the list
    QCOMPARE(s.widget<QListView>("Liste_KMB")->currentIndex().row(), 0);
    QCOMPARE(s.text("Ind_A"), u"F1AAA"_s);
    UndoAndRedo(
        s,
        [&s] {
          s.doubleClickRow(1);
          s.field("Rem_A")->setText(u"NOUVEAU NOM"_s);
          s.save();
        },
        u"la modification du QSO F1BBB du 05/06/14, lavoir 77001 ?"_s);
    QVERIFY(!s.widget<QAction>("Mnu_Retablir")->isEnabled());  // the deletion undone is forgotten
    UndoAndRedo(
        s,
        [&s] {
          s.clickRow(1);
          s.click("Ajout_QSO");
          for (const char* field : {"Ind_A", "Prenom_A", "Dpt_A", "Ref_A", "Date_A", "Heure_A", "Rem_A"})
            s.field(field)->clear();
          s.walk({{"Ind_A", "F4INS"},
                  {"Prenom_A", ""},
                  {"Dpt_A", "21"},
                  {"Ref_A", "21002"},
                  {"Date_A", "02/03/14"},
                  {"Heure_A", "08:00"}});
          s.enterToValidate();
          s.save();
        },
        u"l'insertion du QSO F4INS du 02/03/14, lavoir 21002 ?"_s);
    s.env.writeFile("autre.adi",
                    "<call:5>F5ONE <qso_date:8>20140101 <time_on:4>0800 <band:3>20m <mode:3>SSB <sig:5>21003 <eor>"
                    "<call:5>F5TWO <qso_date:8>20261206 <time_on:4>0900 <band:3>40m <mode:2>CW <sig:5>21004 <eor>");
    UndoAndRedo(
        s,
        [&s] {
          ChooseAdifFile(s.env, "autre.adi");
          WhenShown("Importation_ADIF", [](QWidget&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); });
          s.trigger("Mnu_Import_ADIF");
        },
        u"l'importation de 2 QSO ?"_s);
    UndoAndRedo(
        s,
        [&s] {
          s.trigger("Mnu_QSL_Recues");
          QTRY_COMPARE(QApplication::focusWidget()->objectName(), u"Indicatif"_s);
          TypeKeys(*QApplication::focusWidget(), u"F5TWO"_s);
          for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Return, Qt::Key_Escape})
            QTest::keyClick(QApplication::focusWidget(), key);
          QTRY_VERIFY(TopLevels(u"QSL_Recues"_s).isEmpty());
        },
        u"la confirmation de la QSL du QSO F5TWO du 06/12/26, lavoir 21004 ?"_s);
  }

  // Another program's change, a change of station, a full disk: nothing written and the reason said; the field
  // being typed in keeps its own Ctrl+Z.
  void undoWritesNothingOverALogItDidNotLeave() {
    const QByteArray log = LogBytes({LogLine("F1AAA", "89", "89001", "01/03/14")});
    MainSession s(log, false);
    FaultyFileSystem faulty(s.env.files);
    AppContext context{s.env.folder(), faulty,         s.env.messages, *s.env.settings,
                       s.env.clock,    s.env.printers, s.env.folders};
    s.start(&context);
    const auto saveOne = [&s](const QString& call, const QString& ref) {
      s.walkToValidate(call, ref);
      s.save();
    };
    saveOne(u"F4NEW"_s, u"21001"_s);
    s.type("Ind_A", u"F4X"_s);
    s.env.messages.clear();
    QTest::keyClick(s.widget("Ind_A"), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(u"F4X"_s.startsWith(s.text("Ind_A")) && s.text("Ind_A").size() < 3);
    QCOMPARE(s.env.messages.shown, QStringList());
    s.click("Efface_A");
    faulty.failAt(kmb::IoError::Step::Write, ENOSPC);
    s.env.messages.answer({true});
    PressWithCtrlAlt(s, Qt::Key_Z);
    QVERIFY(s.env.messages.last().contains(u"disque est plein"_s));
    QVERIFY(s.widget<QAction>("Mnu_Annuler")->isEnabled());  // kept for when the disk has room
    faulty.heal();
    const QByteArray saved = s.log();
    QVERIFY(saved != log);

    s.env.writeFile("F4ABC_KMB.log", saved + LogLine("F1ZZZ", "89", "89009"));  // another program's QSO
    const QByteArray theirs = s.log();
    s.env.messages.answer({true});
    PressWithCtrlAlt(s, Qt::Key_Z);
    QVERIFY(s.env.messages.last().contains(u"modifié ou supprimé hors d'ORX_KMB"_s));
    QVERIFY(s.env.messages.last().endsWith(u"L'historique des modifications est effacé."_s));
    QCOMPARE(s.log(), theirs);
    QVERIFY(!s.widget<QAction>("Mnu_Annuler")->isEnabled());

    saveOne(u"F4TWO"_s, u"21002"_s);
    s.env.writeFile("F1XYZ_KMB.log", log);
    s.trigger("Mnu_New_Indicatif");
    QWidget* dialog = TopLevels(u"Station"_s).value(0);
    dialog->findChild<QLineEdit*>("New_Indicatif")->setText("F1XYZ");
    QTest::mouseClick(dialog->findChild<QPushButton*>("Validation"), Qt::LeftButton);
    const QByteArray f4abc = s.log();
    PressWithCtrlAlt(s, Qt::Key_Z);
    QCOMPARE(s.env.messages.last(),
             u"Les modifications gardées sont celles du log de la station F4ABC : le log de "
             "F1XYZ n'a pas été touché.\r\nL'historique des modifications est effacé."_s);
    QCOMPARE(s.env.readFile("F1XYZ_KMB.log"), log);
    QCOMPARE(s.log(), f4abc);
    QCOMPARE(s.env.messages.unexpectedQuestions, 0);
  }
};

QTEST_MAIN(UndoTest)
#include "UndoTest.moc"
