#pragma once
// What the main window gives each area of the program, so that the area
// makes its own menu commands without knowing the main window.
#include <QString>
#include <functional>
#include <optional>

#include "core/log/LogEdit.h"
#include "core/log/LogHistory.h"
#include "core/log/LogLine.h"
#include "ui/kit/AppContext.h"
#include "ui/kit/LiveSpots.h"
#include "ui/kit/LogbookView.h"
#include "ui/kit/RadioControl.h"

class QAction;
class QObject;
class QWidget;

// Where a command stands in the menu bar, whose order the main window keeps.
// Commands given the same place stand in the order they were added.
enum class MenuPlace {
  File,               // Fichier, above Quitter
  List,               // Liste
  Map,                // Carte
  BarBeforeDiplomas,  // the bar itself, between Carte and Diplomes
  Diplomas,           // Diplomes
  BarBeforeHelp,      // the bar itself, between Diplomes and Aide
  Help,               // Aide, above A Propos
  HelpAfterAbout,     // Aide, between A Propos and Historique
};

class CommandBoard {
 public:
  // A command at `where` that runs `handler`; `caption` carries its Alt
  // letter, and the caller may give it a shortcut.
  virtual QAction* addCommand(MenuPlace where, const char* objectName, const QString& caption,
                              std::function<void()> handler) = 0;
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
  // false when nothing was written (also while the entry holds a QSO being
  // typed, which the change would empty), the operator told why. The change
  // can be undone, known by `label`.
  virtual bool changeLog(kmb::LogChange change, kmb::Lines firstNameLines, const kmb::ChangeLabel& label) = 0;
  // The radio the main window reads, when the operator set one up.
  virtual RadioControl& radio() = 0;
  // Runs `handler` each time the list shows the log again (a QSO saved,
  // deleted or imported, another station), while `receiver` lives.
  virtual void onLogListed(QObject* receiver, std::function<void()> handler) = 0;
  // Fills the entry from a spot as if the operator typed the band, the call
  // sign and the reference, each closed with Enter, with the spot's mode
  // unless a radio gives one; the reason in French when the entry is busy
  // with another QSO or has no such band, and nothing changed.
  virtual std::optional<QString> takeSpot(const QString& band, const QString& call, const QString& reference,
                                          const QString& mode) = 0;
  // The entry's fields as they stand.
  virtual kmb::QsoRecord entryFields() const = 0;
  // Puts an area's status line in the main window, under the radio's; Tab
  // reaches it after the radio's.
  virtual void placeStatusLine(QWidget* line) = 0;
  // The spots heard now, kept while the program runs.
  virtual LiveSpots& liveSpots() = 0;

 protected:
  ~CommandBoard() = default;
};
