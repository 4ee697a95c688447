#pragma once
// What the main window gives each area of the program, so that the area
// wires its own menu commands and buttons without knowing the main window.
#include <QString>
#include <functional>

#include "core/log/LogEdit.h"
#include "ui/kit/AppContext.h"
#include "ui/kit/LogbookView.h"

class QWidget;

class CommandBoard {
 public:
  // Runs `handler` when the menu command or button named `objectName` is used.
  virtual void onCommand(const char* objectName, std::function<void()> handler) = 0;
  // Shows the secondary window `name`, built by `make` when it is not open:
  // each exists at most once. Once closed, it gives the keyboard back.
  virtual void openSingleWindow(const QString& name, std::function<QWidget*()> make) = 0;
  // Activates the main window with the focus where the operator goes on:
  // the call sign when a new QSO can be typed, else the chosen row of the list.
  virtual void giveKeyboardBack() = 0;
  virtual AppContext& context() = 0;
  virtual LogbookView& logbook() = 0;
  // The log's lines as the list shows them, which every change acts on.
  virtual const kmb::Lines& listedLog() const = 0;
  // The window the messages of the commands stand in front of.
  virtual QWidget* messageParent() = 0;
  // Changes the log as the list shows it, as every change of the log does
  // (copy of the day, first names learnt, atomic rewrite), then lists it;
  // false when nothing was written, the operator told why.
  virtual bool changeLog(kmb::LogChange change, kmb::Lines firstNameLines) = 0;

 protected:
  ~CommandBoard() = default;
};
