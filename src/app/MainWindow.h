#pragma once
// The main window: station, entry frame, clock, the numbered list of the log
// and the menus that open every other window. It lives as long as the program.
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <string>
#include <vector>

#include "app/AppContext.h"
#include "app/LogbookView.h"
#include "app/WindowPlacement.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QTimer;
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
  void selectLastRow();

  // Called by the station dialog once it has accepted a call sign.
  void stationChosen(const std::string& storedCall);

  void ResetEntry();

  AppContext& context() { return ctx_; }

  // Shows the secondary window registered under `name`, building it with
  // `make` when it is not open (each window exists at most once).
  template <typename Make>
  QWidget* openSingleWindow(const QString& name, Make make) {
    return ShowSingleWindow(windows_[name], make);
  }

 private:
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
  QString stationSection() const;

  void Liste_KMB_Click();

  AppContext& ctx_;
  std::string stationCall_ = "FXXXX";
  QString selectedRow_;
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
  QLabel* listHeader_ = nullptr;
  QListView* listeKmb_ = nullptr;
  LogListModel* listModel_ = nullptr;
  // Menus
  QAction* mnuDateAuto_ = nullptr;
  QAction* mnuDateMan_ = nullptr;

  QPointer<StationDialog> station_;
  QHash<QString, QPointer<QWidget>> windows_;
};
