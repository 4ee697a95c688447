#pragma once
// "Spots KMB": the spots of a DX-cluster node as they come, the wash-houses
// first, each marked new or already contacted in the log; Enter takes a spot
// into the entry, "Annoncer un lavoir" sends one.
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/cluster/SpotTable.h"
#include "core/cluster/WorkedReferences.h"
#include "ui/cluster/ClusterLink.h"

class QCheckBox;
class QLabel;
class QTableView;
class AnnounceWindow;
class CommandBoard;
class SpotListModel;

class SpotsWindow final : public QWidget {
  Q_OBJECT
 public:
  explicit SpotsWindow(CommandBoard& board, ClusterTimings timings = {});

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* buildTopRow();
  QWidget* buildList();
  QWidget* buildButtons();
  void connectToNode(const ClusterTimings& timings);
  // The call sign to log in with; none when neither the settings nor the station give one.
  std::optional<std::string> loginCall() const;
  void takeLines(const std::vector<std::string>& lines);
  void expire();
  void readLog();
  void showSpots();
  // The identity of the spot shown at `row`, and the row showing a spot.
  std::optional<std::uint64_t> idAt(int row) const;
  std::optional<int> rowOf(std::optional<std::uint64_t> id) const;
  void takeCurrentSpot();
  void openAnnounce();

  CommandBoard& board_;
  kmb::SpotTable table_;
  kmb::WorkedReferences worked_;
  SpotListModel* model_ = nullptr;
  QTableView* list_ = nullptr;  // Liste_Spots
  QLabel* status_ = nullptr;    // Etat_Cluster
  QLabel* message_ = nullptr;   // Message_Spots
  QCheckBox* all_ = nullptr;    // Tous_Spots
  ClusterLink* link_ = nullptr;
  QTimer showLater_;  // a burst of spots is shown once
  QTimer expiry_;
  QPointer<AnnounceWindow> announce_;
};
