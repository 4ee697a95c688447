#pragma once
// A started main window over a test folder, with helpers that type into its
// controls the way the operator does.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QtTest>
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
  void type(const char* name, const QString& text) const;
  void enter(const char* name) const;
  void typeAndEnter(const char* name, const QString& text) const {
    type(name, text);
    enter(name);
  }
  void clickRow(int row) const;
  void doubleClickRow(int row) const;
  void click(const char* name) const { QTest::mouseClick(widget<QPushButton>(name), Qt::LeftButton); }
  void trigger(const char* action) const;
  QWidget* focused() const { return main->focusWidget(); }
  bool focusedOn(const char* name) const;

  // The walk from the call sign to the save button, in automatic date mode.
  void walkToValidate(const QString& call, const QString& ref, const QString& prenom = {},
                      const QString& dpt = QStringLiteral("89"));

  QByteArray log() const { return env.readFile("F4ABC_KMB.log"); }
  QByteArray firstNames() const { return env.readFile("Liste_Prenom.txt"); }

  TestEnvironment env;
  std::unique_ptr<MainWindow> main;
};
