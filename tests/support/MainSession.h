#pragma once
// A started main window over a test folder, with helpers that type into its
// controls the way the operator does.
#include <memory>

#include "app/MainWindow.h"
#include "support/TestSupport.h"

class MainSession {
 public:
  // Station F4ABC with the given log; the window is started at once unless
  // `start` is false (to change settings or the context first).
  explicit MainSession(const QByteArray& log, bool start = true);
  void start(AppContext* context = nullptr) {
    main = std::make_unique<MainWindow>(context ? *context : env.context);
    if (!main->start()) qFatal("the main window did not start");
  }

  template <typename W = QWidget>
  W* widget(const char* name) const {
    return Find<W>(*main, QString::fromLatin1(name));
  }
  QLineEdit* field(const char* name) const { return widget<QLineEdit>(name); }
  QString text(const char* name) const;
  QStringList texts(std::initializer_list<const char*> names) const;
  void type(const char* name, const QString& text) const { TypeKeys(*widget(name), text); }
  void enter(const char* name) const { QTest::keyClick(widget(name), Qt::Key_Return); }
  void typeAndEnter(const char* name, const QString& text) const {
    type(name, text);
    enter(name);
  }
  // Types into each field in turn and presses Enter.
  void walk(std::initializer_list<std::pair<const char*, QString>> steps) const {
    for (const auto& [name, text] : steps) typeAndEnter(name, text);
  }
  void enterEach(std::initializer_list<const char*> names) const {
    for (const char* name : names) enter(name);
  }
  // Enter in every field after the reference, up to the save button.
  void enterToValidate() const { enterEach({"Mode_A", "RST_A", "RSTE_A", "Rem_A", "QSL_A"}); }
  // The walk from the call sign to the save button; date and time are typed
  // when given (manual date mode, insertion).
  void walkToValidate(const QString& call, const QString& ref, const QString& prenom = {}, const QString& dpt = u"89"_s,
                      const QString& date = {}, const QString& time = {});
  // Answers Yes to the save question and clicks the save button.
  void save() {
    env.messages.answer({true});
    click("Valide_A");
  }
  // A click, or a double click, on a row of the list; -1 is below the last one.
  void clickRow(int row, bool twice = false) const;
  void doubleClickRow(int row) const { clickRow(row, true); }
  void click(const char* name) const { QTest::mouseClick(widget<QPushButton>(name), Qt::LeftButton); }
  // Uses a menu command and waits until it is over: an import returns once its reading has started.
  void trigger(const char* action) const {
    widget<QAction>(action)->trigger();
    QTRY_VERIFY(!QApplication::activeModalWidget());
  }
  bool focusedOn(const char* name) const;

  QByteArray log() const { return env.readFile("F4ABC_KMB.log"); }
  QByteArray firstNames() const { return env.readFile("Liste_Prenom.txt"); }

  TestEnvironment env;
  std::unique_ptr<MainWindow> main;
};

// The next file chooser opens in the program folder, on ADIF files, and
// gets `file` typed.
void ChooseAdifFile(TestEnvironment& env, const std::string& file);
