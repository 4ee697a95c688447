#pragma once
// A started main window over a test folder, with helpers that type into its
// controls the way the operator does.
#include <QtTest>
#include <QtWidgets>
#include <memory>

#include "app/MainWindow.h"
#include "support/TestSupport.h"

class MainSession {
 public:
  // Station F4ABC with the given log; the window is started at once unless
  // `start` is false (to change settings or the context first).
  explicit MainSession(const QByteArray& log, bool start = true);
  void start(AppContext* context = nullptr);

  template <typename W = QWidget>
  W* widget(const char* name) const {
    W* w = main->findChild<W*>(QString::fromLatin1(name));
    if (!w) qFatal("missing widget %s", name);
    return w;
  }
  QLineEdit* field(const char* name) const { return widget<QLineEdit>(name); }
  QString text(const char* name) const;
  QStringList texts(std::initializer_list<const char*> names) const;
  void type(const char* name, const QString& text) const;
  void enter(const char* name) const;
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
  // Answers Yes to the save question and clicks the save button.
  void save() {
    env.messages.answer({true});
    click("Valide_A");
  }
  void clickRow(int row) const;
  void doubleClickRow(int row) const;
  void click(const char* name) const { QTest::mouseClick(widget<QPushButton>(name), Qt::LeftButton); }
  void trigger(const char* action) const;
  QWidget* focused() const { return main->focusWidget(); }
  bool focusedOn(const char* name) const;

  // The walk from the call sign to the save button; date and time are typed
  // when given (manual date mode, insertion).
  void walkToValidate(const QString& call, const QString& ref, const QString& prenom = {},
                      const QString& dpt = QStringLiteral("89"), const QString& date = {}, const QString& time = {});

  QByteArray log() const { return env.readFile("F4ABC_KMB.log"); }
  QByteArray firstNames() const { return env.readFile("Liste_Prenom.txt"); }

  TestEnvironment env;
  std::unique_ptr<MainWindow> main;
};
