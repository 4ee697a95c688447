#pragma once
// The main window: station, entry form, clock, the numbered list of the log
// and the menus that open every other window. It lives as long as the
// program.
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/EntryForm.h"
#include "core/log/LogEdit.h"
#include "core/log/LogHistory.h"
#include "core/settings/StationCall.h"
#include "ui/kit/AppContext.h"
#include "ui/kit/CommandBoard.h"
#include "ui/kit/LogbookView.h"

class QAction;
class QLabel;
class QMenu;
class ClockPanel;
class LogListPanel;
class RadioLink;
class SpotWatch;
class StationDialog;
class QVBoxLayout;

class MainWindow final : public QMainWindow, public LogbookView, public CommandBoard, public EntrySurroundings {
  Q_OBJECT
 public:
  explicit MainWindow(AppContext& context);
  ~MainWindow() override;

  // The start-up sequence: the folder taken, settings, first-run dialog,
  // list, fresh entry. False when another window works on the folder: the
  // operator is told and nothing was changed.
  bool start();

  // LogbookView
  std::string stationCall() const override { return stationCall_; }
  const kmb::Lines& listedLines() const override;
  void selectListRow(int index) override;

  // CommandBoard
  QAction* addCommand(MenuPlace where, const char* objectName, const QString& caption,
                      std::function<void()> handler) override;
  void openSingleWindow(const QString& name, std::function<QWidget*()> make) override;
  void giveKeyboardBack() override;
  AppContext& context() override { return ctx_; }
  LogbookView& logbook() override { return *this; }
  const kmb::Lines& listedLog() const override { return listedLog_.lines(); }
  QWidget* messageParent() override { return this; }
  // The entry is then ready for a new QSO.
  bool changeLog(kmb::LogChange change, kmb::Lines firstNameLines, const kmb::ChangeLabel& label) override;
  RadioControl& radio() override;
  void onLogListed(QObject* receiver, std::function<void()> handler) override;
  std::optional<QString> takeSpot(const QString& band, const QString& call, const QString& reference,
                                  const QString& mode) override;
  kmb::QsoRecord entryFields() const override { return form_->record(); }
  void placeStatusLine(QWidget* line) override;
  LiveSpots& liveSpots() override;

  // EntrySurroundings
  bool automaticDate() const override;

  // Fills the list from lines just written to the log, last row selected.
  void listWrittenLog(kmb::Lines lines);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  bool takeProgramFolder();
  void removeTemporaryFilesBesideLinks();
  QWidget* buildStationBand();
  void buildMenus();
  void registerAreaCommands();
  void quit();  // Mnu_Quitter
  void showRadioStatus(const QString& status);
  void showAbout();    // Mnu_Apropos
  void showHistory();  // Mnu_Historique
  void setReadingOrder();
  void placeOnScreen();
  // The station stored in the settings, when it is a call sign at all.
  std::string storedStationCall();
  void applyStoredDateMode();
  void useAutomaticDate();  // Mnu_Date_Auto
  void useManualDate();     // Mnu_Date_Man
  QString stationSection() const;
  void openStationDialog(bool modal);
  void giveKeyboardBackWhenGone(QWidget* secondaryWindow);
  void windowGone();
  void stationChosen(const std::string& storedCall);

  // The log as the list shows it (MainWindowLog.cpp).
  // Empties the list and fills it from the station's log (LoadLogList);
  // false when the log could not be listed, the operator told why.
  bool loadLogList();
  bool listLines(const kmb::Lines& lines);
  void rememberCurrentRow();  // SelectedRow, from the list's selection
  void showSelectedRow();     // Liste_KMB_Click
  void openSelectedRow();     // Liste_KMB_DblClick
  void deleteSelectedQso();   // Annule_Saisie_Click
  void validateEntry();       // Valide_A_Click
  bool saveEntry();
  // The line of the log the selected row came from, while the list still
  // shows that row at that place.
  std::optional<std::size_t> chosenLine() const;
  // True, and said, while the entry holds a QSO that a change of the log
  // would empty: nothing is written before `action`.
  bool entryBusyFor(const QString& action);
  // Applies `change` to the log as listed, then lists it and selects its
  // last row, the change kept to be undone; or tells why nothing was written.
  bool editLog(kmb::LogChange change, kmb::Lines firstNameLines, const kmb::ChangeLabel& label);
  // The rewrite itself, `exactBytes` written instead of the lines when given.
  // A first-name list saved by another program is offered for conversion
  // when `mayConvertFirstNames`. Empty when nothing was written; the lines
  // written go to the list, not into the result.
  std::optional<kmb::EditResult> rewriteLog(const kmb::LogChange& change, kmb::Lines firstNameLines,
                                            const std::optional<kmb::Bytes>& exactBytes,
                                            bool mayConvertFirstNames = true);
  // Asks to convert a log that is not in Windows-1252; true once converted.
  bool offerConversion(const kmb::LogSnapshot& log);
  // Asks to convert a first-name list saved by another program; true once converted.
  bool offerFirstNamesConversion();
  // Converts the file to Windows-1252 once the operator says yes to `question`, its original kept; true once done.
  bool convertAfterAsking(const std::filesystem::path& path, const QString& question, const QString& done);
  void reportIoError(const kmb::IoError& error);
  QString logFileName() const;

  // Undo and redo (MainWindowHistory.cpp).
  void buildHistoryCommands(QMenu& file);
  void undoLastChange();    // Mnu_Annuler
  void redoUndoneChange();  // Mnu_Retablir
  void stepThroughHistory(bool back);
  // Tells why nothing was written, and that the changes kept are forgotten.
  void forgetHistory(const QString& why);
  void showHistoryState();

  AppContext& ctx_;
  std::unique_ptr<kmb::FolderLock> folderLock_;  // held while this window works on the folder
  std::string stationCall_{kmb::kNoStation};     // StationCall, in stored form
  kmb::LogSnapshot listedLog_;                   // what the list shows; every change acts on it
  std::optional<kmb::Bytes> selectedLine_;       // the line of the chosen row; none before a choice
  std::size_t selectedIndex_ = 0;
  kmb::LogHistory history_;  // this run's changes of the log, to undo and redo

  QLabel* stationLabel_ = nullptr;  // I_Station
  ClockPanel* clock_ = nullptr;
  EntryForm* form_ = nullptr;
  LogListPanel* list_ = nullptr;
  RadioLink* radio_ = nullptr;
  QLabel* radioStatus_ = nullptr;       // Radio_Etat
  QVBoxLayout* statusLines_ = nullptr;  // the radio's, then the areas'
  SpotWatch* spotWatch_ = nullptr;
  QAction* automaticDate_ = nullptr;  // Mnu_Date_Auto
  QAction* manualDate_ = nullptr;     // Mnu_Date_Man
  QAction* undo_ = nullptr;           // Mnu_Annuler
  QAction* redo_ = nullptr;           // Mnu_Retablir
  // Where each place's commands go: the menu or the bar, above the action
  // that follows the place (none: at the end).
  struct MenuSlot {
    QWidget* holder = nullptr;
    QAction* before = nullptr;
  };
  std::map<MenuPlace, MenuSlot> menuSlots_;

  QPointer<StationDialog> station_;
  QHash<QString, QPointer<QWidget>> windows_;
};
