#pragma once
// The main window: station, entry frame, clock, the numbered list of the log
// and the menus that open every other window. It lives as long as the program.
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/AppContext.h"
#include "app/EntryChecks.h"
#include "app/LogbookView.h"
#include "app/WindowPlacement.h"
#include "log/LogEdit.h"
#include "log/LogFile.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QTimer;
class ColumnTitles;
class LogListModel;
class StationDialog;

inline const QString kRevisionText = QStringLiteral(" 1.0.1");

class MainWindow final : public QMainWindow, public LogbookView {
  Q_OBJECT
 public:
  explicit MainWindow(AppContext& context);
  ~MainWindow() override;

  // The start-up sequence: settings, first-run dialog, list, fresh entry.
  void start();

  // LogbookView
  std::string stationCall() const override { return stationCall_; }
  const std::vector<kmb::Bytes>& listRows() const override;
  void selectListRow(int index) override;

  // Empties the list and fills it from the station's log; false when the
  // log could not be listed (the operator has been told why).
  bool LoadLogList();
  // Fills the list from lines just written to the log.
  void listWrittenLog(const kmb::Lines& lines);
  void selectLastRow();

  // Called by the station dialog once it has accepted a call sign.
  void stationChosen(const std::string& storedCall);

  void ResetEntry();

  // One tick of the clock: refreshes the UTC time, local time and UTC date.
  void Timer1_Timer();

  AppContext& context() { return ctx_; }

  // Shows the secondary window registered under `name`, building it with
  // `make` when it is not open (each window exists at most once).
  template <typename Make>
  QWidget* openSingleWindow(const QString& name, Make make) {
    return ShowSingleWindow(windows_[name], make);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class Entry { Bande, Ind, Prenom, Dpt, Ref, Date, Heure, Mode, Rst, Rste, Rem, Qsl };

  // Entry walk: every key of an entry control; true when it was dealt with.
  bool entryKeyPress(Entry entry, class QKeyEvent& key);
  bool listKeyPress(const QKeyEvent& key);
  void entryEnter(Entry entry);
  bool refuse(const kmb::Refusal& refusal);
  void closeField(QWidget* field);
  void openField(QWidget* field);
  void rememberBandAndMode(Entry entry);
  void FindFirstName();
  void acceptRef();
  void installEntryFilters();
  QWidget* entryControl(Entry entry) const;
  // The control Enter hands over to, and what Enter checks first.
  QWidget* nextControl(Entry entry) const;
  static kmb::Check checkOf(Entry entry);

  // Editing the log from the list, and saving.
  void Liste_KMB_DblClick();
  void Annule_Saisie_Click();
  void Ajout_QSO_Click();
  void Valide_A_Click();
  void returnToFreshEntry();
  void restoreDefaultTexts();
  void leaveEntryModes();
  kmb::QsoRecord recordFromEntry() const;
  bool saveEntry();
  // Applies `change` to the log as listed, then lists it and selects its
  // last row; or tells why nothing was written.
  bool editLog(const char* tempName, kmb::LogChange change, kmb::Lines firstNameLines);
  // Asks to convert a log that is not in Windows-1252; true once converted.
  bool offerConversion(const kmb::LogSnapshot& log);
  // The line of the log the selected row came from, while the list still
  // shows that row at that place.
  std::optional<std::size_t> chosenLine() const;
  bool listLines(const kmb::Lines& lines);
  void reportIoError(const kmb::IoError& error);
  QString logFileName() const;

  void Mnu_Date_Auto_Click();
  void Mnu_Date_Man_Click();
  bool automaticDate() const;

  // Runs `handler` when the menu item or button named `objectName` is used.
  void connectCommand(const char* objectName, std::function<void()> handler);
  // Each subsystem wires its own commands, in its own folder.
  void connectAwardCommands();
  void connectReportCommands();
  void connectWebCommands();

  void buildWidgets();
  QWidget* buildStationBand();
  QWidget* buildEntryFrame();
  QWidget* buildClock();
  QWidget* buildListFrame();
  void buildMenus();
  void selectStoredBandAndMode();
  void applyStoredDateMode();
  void openStationDialog(bool modal);
  void placeOnScreen();
  void setReadingOrder();
  // The station stored in the settings, when it is a call sign at all.
  std::string storedStationCall();
  QString stationSection() const;

  void Liste_KMB_Click();
  void showRowInEntry(const kmb::Bytes& row);

  AppContext& ctx_;
  std::string stationCall_ = "FXXXX";
  kmb::LogSnapshot listedLog_;  // what the list shows; every change acts on it
  kmb::Bytes selectedRow_;
  std::size_t selectedIndex_ = 0;
  bool modificationMode_ = false;
  bool insertionMode_ = false;
  bool rowLocked_ = false;

  // Station band
  QLabel* iStation_ = nullptr;
  // Entry frame
  QComboBox* bandeA_ = nullptr;
  QLineEdit* indA_ = nullptr;
  QLineEdit* prenomA_ = nullptr;
  QLineEdit* dptA_ = nullptr;
  QLineEdit* refA_ = nullptr;
  QLineEdit* dateA_ = nullptr;
  QLineEdit* heureA_ = nullptr;
  QComboBox* modeA_ = nullptr;
  QLineEdit* rstA_ = nullptr;
  QLineEdit* rsteA_ = nullptr;
  QLineEdit* remA_ = nullptr;
  QCheckBox* qslA_ = nullptr;
  QLabel* modeAff_ = nullptr;
  QPushButton* valideA_ = nullptr;
  QPushButton* effaceA_ = nullptr;
  QPushButton* annuleSaisie_ = nullptr;
  QPushButton* ajoutQso_ = nullptr;
  // Clock
  QLabel* label33_ = nullptr;
  QLabel* label34_ = nullptr;
  QLabel* label37_ = nullptr;
  QTimer* timer1_ = nullptr;
  // List
  ColumnTitles* listHeader_ = nullptr;
  QListView* listeKmb_ = nullptr;
  LogListModel* listModel_ = nullptr;
  // Menus
  QAction* mnuDateAuto_ = nullptr;
  QAction* mnuDateMan_ = nullptr;

  QHash<QObject*, Entry> entryOf_;
  QPointer<StationDialog> station_;
  QHash<QString, QPointer<QWidget>> windows_;
};
