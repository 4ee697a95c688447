// Every window works from the keyboard alone: key events to the widget that has the focus, never a mouse event.

#include "support/MainSession.h"
#include "ui/settings/StationDialog.h"

using namespace settings_keys;

namespace {

QWidget* Focused() { return QApplication::focusWidget(); }

// The named control, or the one that owns the focused editor of a combo box.
QString FocusedName() {
  for (QWidget* w = Focused(); w; w = w->parentWidget())
    if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_"))) return w->objectName();
  return {};
}

void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QWidget* target = QApplication::activePopupWidget() ? QApplication::activePopupWidget() : Focused();
  QVERIFY2(target, qPrintable(u"nothing has the focus for key %1"_s.arg(key)));
  QTest::keyClick(target, key, modifiers);
}

void TypeAndEnter(const QString& text) {
  TypeKeys(*Focused(), text);
  Press(Qt::Key_Return);
}

// Tab until the named control has the focus.
bool TabTo(const QString& name) {
  for (int i = 0; i < 40 && FocusedName() != name; ++i) Press(Qt::Key_Tab);
  return FocusedName() == name;
}

void TabAndPress(const char* name, Qt::Key key = Qt::Key_Return) {
  QVERIFY2(TabTo(QString::fromLatin1(name)), name);
  Press(key);
}

QWidget* OpenWindow(const QString& name) {
  const QList<QWidget*> open = TopLevels(name);
  if (open.isEmpty()) return nullptr;
  QApplication::setActiveWindow(open.first());  // what the window manager does for a new window
  return open.first();
}

}  // namespace

class KeyboardTest : public QObject {
  Q_OBJECT
 private slots:
  // First run, station, QSOs saved, modified, deleted, a search, the QSL list, a saved list of contacted lavoirs.
  void aWholeSessionWithoutTheMouse() {
    TestEnvironment env;
    MainWindow main(env.context);
    bool mainHidden = false;
    QTimer::singleShot(0, [&] {
      QVERIFY(qobject_cast<StationDialog*>(QApplication::activeModalWidget()));
      mainHidden = !main.isVisible();
      QApplication::setActiveWindow(QApplication::activeModalWidget());
      TypeAndEnter(u"f4kmb/p"_s);
      QCOMPARE(FocusedName(), u"Validation"_s);
      Press(Qt::Key_Enter);  // the keypad's Enter
    });
    main.start();
    QVERIFY(mainHidden);
    QCOMPARE(env.messages.shown.value(0), u"\r\nPremiere installation, vous devez entrer votre Indicatif\r\n\r\n"_s);
    QCOMPARE(main.stationCall(), std::string("F4KMB_P"));
    QCOMPARE(Find<QLabel>(main, "I_Station")->text(), u"F4KMB/P"_s);  // shown as the operator means it
    QVERIFY(env.exists("F4KMB_P_KMB.log"));
    QCOMPARE(env.settings->read(kSetup, kIndicatifStation), u"F4KMB_P"_s);
    for (const auto& [key, value] : {std::pair{kRevision, " 1.0.1"}, {kBandeUtilisee, "0"}, {kModeUtilise, "0"}})
      QCOMPARE(env.settings->read("Setup F4KMB_P", key), QString::fromLatin1(value));
    QApplication::setActiveWindow(&main);
    QCOMPARE(FocusedName(), u"Ind_A"_s);

    env.messages.answer({true, true, true, true});
    for (const auto& [call, ref] : {std::pair{"f4xyz", "21001"}, {"f5abc", "89001"}}) {
      for (const char* text : {call, "jean", "21", ref}) TypeAndEnter(QString::fromLatin1(text));
      for (int i = 0; i < 5; ++i) Press(Qt::Key_Return);  // mode, reports, lavoir name, QSL
      QCOMPARE(FocusedName(), u"Valide_A"_s);
      Press(Qt::Key_Return);
    }
    QCOMPARE(env.readFile("F4KMB_P_KMB.log").count('\n'), 2);

    // Modify the first QSO: the list's arrows show a row, Enter opens it.
    TabAndPress("Liste_KMB", Qt::Key_Up);
    QCOMPARE(Find<QLineEdit>(main, "Ind_A")->text(), u"F4XYZ"_s);
    Press(Qt::Key_Return);
    QCOMPARE(Find<QLabel>(main, "Mode_Aff")->text(), u"Modification QSO"_s);
    while (FocusedName() != QLatin1String("Rem_A")) Press(Qt::Key_Return);
    Press(Qt::Key_A, Qt::ControlModifier);
    TypeAndEnter(u"lavoir neuf"_s);
    for (int i = 0; i < 2; ++i) Press(Qt::Key_Return);  // QSL, save
    QVERIFY(env.readFile("F4KMB_P_KMB.log").startsWith("F4XYZ") &&
            env.readFile("F4KMB_P_KMB.log").contains("LAVOIR NEUF"));

    // Delete the second one.
    TabAndPress("Liste_KMB", Qt::Key_Up);
    Press(Qt::Key_Down);
    QCOMPARE(Find<QLineEdit>(main, "Ind_A")->text(), u"F5ABC"_s);
    Press(Qt::Key_Delete);
    QCOMPARE(env.readFile("F4KMB_P_KMB.log").count('\n'), 1);

    // A search leads back to the QSO.
    Press(Qt::Key_R, Qt::AltModifier);
    QTRY_VERIFY(OpenWindow(u"Recherche_Indicatif"_s));  // a button pressed with Alt is released a moment later
    QCOMPARE(FocusedName(), u"Indica"_s);
    TypeAndEnter(u"xyz"_s);
    TabAndPress("QSO_Effectues", Qt::Key_Down);
    Press(Qt::Key_Return);
    QTRY_VERIFY(TopLevels(u"Recherche_Indicatif"_s).isEmpty());
    QCOMPARE(Find<QLineEdit>(main, "Ind_A")->text(), u"F4XYZ"_s);
    QTRY_COMPARE(FocusedName(), u"Liste_KMB"_s);

    // The QSL list: Alt+Q, the call sign, Space ticks, Enter prints.
    Press(Qt::Key_Q, Qt::AltModifier);
    QWidget* qsl = OpenWindow(u"Multi_QSL"_s);
    QVERIFY(qsl);
    QVERIFY(TabTo(u"Indicatif"_s));
    TypeAndEnter(u"f4xyz"_s);
    TabAndPress("Liste_QSO", Qt::Key_Down);
    Press(Qt::Key_Space);
    QCOMPARE(Find<QListWidget>(*qsl, "Liste_QSO")->item(0)->checkState(), Qt::Checked);
    TabAndPress("Imprimer");
    QCOMPARE(env.printers.asked, 1);
    Press(Qt::Key_Escape);
    QTRY_VERIFY(TopLevels(u"Multi_QSL"_s).isEmpty());
    QTRY_COMPARE(FocusedName(), u"Liste_KMB"_s);

    // The contacted list: Alt+L, then L in the menu; shown and saved with Enter.
    Press(Qt::Key_U, Qt::AltModifier);
    QTRY_COMPARE(FocusedName(), u"Ind_A"_s);
    Press(Qt::Key_L, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget());
    Press(Qt::Key_L);
    QVERIFY(OpenWindow(u"Aff_Contacte"_s));
    TabAndPress("Afficher");
    TabAndPress("Enregistrer");
    QVERIFY(env.exists("F4KMB_P_Liste_Lavoirs_Bande_HF_05_12_26.txt"));
    Press(Qt::Key_Escape);
    QTRY_VERIFY(TopLevels(u"Aff_Contacte"_s).isEmpty());
    QTRY_COMPARE(FocusedName(), u"Ind_A"_s);

    // Préférences: Alt+F, P; the award site typed; Enter walks on to the radio, ticked with Space, its model
    // found by typing and chosen with the arrow, "Tester" asks it; Enter on "Enregistrer" saves it all and the main
    // window reads the radio.
    Press(Qt::Key_F, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget());
    Press(Qt::Key_P);
    QVERIFY(OpenWindow(u"Preferences"_s));
    TypeAndEnter(u"https://127.0.0.1/kmb"_s);
    Press(Qt::Key_Return);
    QCOMPARE(FocusedName(), u"Radio_Utiliser"_s);
    Press(Qt::Key_Space);
    Press(Qt::Key_Return);
    TypeAndEnter(u"dummy"_s);
    QCOMPARE(FocusedName(), u"Radio_Modele"_s);
    Press(Qt::Key_Down);  // no model is chosen for the operator
    for (const char* next : {"Radio_Port", "Radio_Vitesse", "Radio_Tester"}) {
      Press(Qt::Key_Return);
      QCOMPARE(FocusedName(), QString::fromLatin1(next));
    }
    Press(Qt::Key_Return);
    auto* tested = TopLevels(u"Preferences"_s).value(0)->findChild<QLabel*>(u"Radio_Resultat"_s);
    QTRY_COMPARE(tested->text(), u"La radio répond : 145,0000 MHz FM."_s);
    TabAndPress("Enregistrer");
    QTRY_VERIFY(TopLevels(u"Preferences"_s).isEmpty());
    QCOMPARE(env.settings->read(kSetup, kSiteKmb), u"https://127.0.0.1/kmb"_s);
    QCOMPARE(env.settings->read(kSetup, kRadioModele), u"1"_s);
    QTRY_COMPARE(Find<QLabel>(main, "Radio_Etat")->text(), u"Radio : 145,0000 MHz FM"_s);
    QTRY_COMPARE(FocusedName(), u"Ind_A"_s);

    // An import given up with "Annuler": Alt+F, I, the file's name; nothing written, the call sign next.
    const QByteArray log = env.readFile("F4KMB_P_KMB.log");
    WhenShown("QFileDialog", [](QWidget&) { TypeAndEnter(QStringLiteral(KMB_TESTS_DIR "/data/F4ABC_P_KMB.adi")); });
    WhenShown("Importation_ADIF", [](QWidget&) { TabAndPress("Annuler"); });
    Press(Qt::Key_F, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget());
    Press(Qt::Key_I);
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QCOMPARE(env.readFile("F4KMB_P_KMB.log"), log);
    QTRY_COMPARE(FocusedName(), u"Ind_A"_s);
    Press(Qt::Key_Escape);  // never closes the main window
    QVERIFY(main.isVisible());
    QCOMPARE(env.messages.unexpectedQuestions, 0);
    MainWindow again(env.context);  // a second window on the same folder changes nothing
    QVERIFY(!again.start());
    QVERIFY(env.messages.last().contains(u"déjà ouverts dans une autre fenêtre"_s));
  }

  // Alt and a letter reach each command and button, no two alike in a menu or the window (others: WebCommandsTest).
  // The first "Selection Indicatif" closed with Escape: what is typed in the call sign is answered once by
  // where to choose a station, and the keyboard reaches "Station" with Alt+S.
  void escapeOnTheFirstStationDialogDoesNotTrapTheKeyboard() {
    TestEnvironment env;
    MainWindow main(env.context);
    QTimer::singleShot(0, [] {
      QApplication::setActiveWindow(QApplication::activeModalWidget());
      Press(Qt::Key_Escape);
    });
    main.start();
    QApplication::setActiveWindow(&main);
    QCOMPARE(FocusedName(), u"Ind_A"_s);
    TypeKeys(*Focused(), u"f4"_s);
    Press(Qt::Key_Return);
    QCOMPARE(env.messages.shown.filter(u"Pour cela dans la barre des menus allez dans Station"_s).size(), 1);
    Press(Qt::Key_S, Qt::AltModifier);
    QVERIFY(OpenWindow(u"Station"_s));
    QCOMPARE(FocusedName(), u"New_Indicatif"_s);
    TypeAndEnter(u"f4kmb"_s);
    Press(Qt::Key_Return);
    QCOMPARE(main.stationCall(), std::string("F4KMB"));
    QCOMPARE(env.messages.shown.size(), 2);  // the first run's message and the one answer
  }

  void menuCommandsHaveMnemonicsThatDoNotClash() {
    MainSession s({});
    for (QPushButton* button : s.main->findChildren<QPushButton*>())
      QVERIFY2(!QKeySequence::mnemonic(button->text()).isEmpty(), qPrintable(button->objectName()));
    CheckMnemonics(*s.main);
    QList<QList<QAction*>> menus{s.main->menuBar()->actions()};
    QStringList places;
    for (QAction* action : s.main->menuBar()->actions()) {
      places << action->objectName();
      if (!action->menu()) continue;
      menus << action->menu()->actions();
      for (QAction* item : action->menu()->actions()) places.last() += u' ' + item->objectName();
    }
    QCOMPARE(places,
             QStringList({"Mnu_Fichier Mnu_Annuler Mnu_Retablir Mnu_ADIF Mnu_Import_ADIF Mnu_Ouvrir_Dossier "
                          "Mnu_Preferences Mnu_Quitter",
                          "Mnu_Date Mnu_Date_Auto Mnu_Date_Man", "Mnu_New_Indicatif", "Mnu_Liste Mnu_L_Contacte",
                          "Mnu_Carte Mnu_Carte_Acti_KMB", "Mnu_Score", "Mnu_Diplomes Mnu_KMB_HF Mnu_Diplome_VHF",
                          "Mnu_Non_Recue", "Mnu_QSL_Recues", "Mnu_Cluster", "Mnu_Spots",
                          "Mnu_Aide Mnu_Guide Mnu_Apropos Mnu_Reglement Mnu_Historique"}));
    const QRegularExpression mnemonic(u"&(\\w)"_s);
    for (const QList<QAction*>& menu : menus) {
      QStringList letters;
      for (QAction* action : menu) {
        const auto match = mnemonic.match(action->text());
        QVERIFY2(match.hasMatch(), qPrintable(action->objectName()));
        letters << match.captured(1).toLower();
      }
      QCOMPARE(QSet<QString>(letters.begin(), letters.end()).size(), letters.size());
    }
  }

  // Tab goes left to right along a line, then down to the next, as the eye reads the window.
  void tabFollowsTheReadingOrder() {
    MainSession s(LogBytes({LogLine("F1AAA", "89", "89001")}));
    s.clickRow(0);
    s.doubleClickRow(0);  // every entry control open
    QApplication::setActiveWindow(s.main.get());
    s.widget("Bande_A")->setFocus();
    QStringList order;
    QPoint previous(-1, -1);
    // Places in the window's content, which scrolls to the focus on a small screen.
    QWidget* content = qobject_cast<QScrollArea*>(s.main->centralWidget())->widget();
    while (FocusedName() != QLatin1String("Liste_KMB") && order.size() < 30) {
      QWidget* control = s.widget(qPrintable(FocusedName()));
      const QPoint at = control->mapTo(content, QPoint(0, control->height() / 2));
      const bool sameLine = std::abs(at.y() - previous.y()) < control->height() / 2;
      QVERIFY2(sameLine ? at.x() > previous.x() : at.y() > previous.y(),
               qPrintable(FocusedName() + u" after "_s + order.join(u',')));
      order << FocusedName();
      previous = at;
      Press(Qt::Key_Tab);
    }
    QCOMPARE(order.size(), 18);  // twelve entry controls, six buttons, then the list
  }
};

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
