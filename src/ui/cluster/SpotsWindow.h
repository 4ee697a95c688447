#pragma once
// "Spots KMB": the spots the watch keeps, the wash-houses first, each marked
// new or already contacted in the log, filtered as the operator asks; the
// node's own messages under them; Enter takes a spot into the entry,
// "Annoncer un lavoir" sends one. Closing it leaves the watch listening.
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <optional>

#include "core/cluster/SpotTable.h"
#include "core/cluster/WorkedReferences.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTableView;
class AnnounceWindow;
class CommandBoard;
class SpotListModel;
class SpotWatch;
struct SpotsRequest;

class SpotsWindow final : public QWidget {
  Q_OBJECT
 public:
  // Starts the watch when it does not listen yet.
  SpotsWindow(CommandBoard& board, SpotWatch& watch);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* buildFilters();
  QWidget* buildList();
  QWidget* buildButtons();
  void showRequest(const SpotsRequest& request);
  bool shows(const kmb::SpotRow& row, kmb::ReferenceState state) const;
  void showSpots();
  void chooseRow(int row);
  void showMessages();
  // The identity of the spot shown at `row`, and the row showing a spot.
  std::optional<std::uint64_t> idAt(int row) const;
  std::optional<int> rowOf(std::optional<std::uint64_t> id) const;
  void takeCurrentSpot();
  void openAnnounce();

  CommandBoard& board_;
  SpotWatch& watch_;
  SpotListModel* model_ = nullptr;
  QTableView* list_ = nullptr;          // Liste_Spots
  QLabel* status_ = nullptr;            // Etat_Cluster
  QLabel* message_ = nullptr;           // Message_Spots
  QCheckBox* all_ = nullptr;            // Tous_Spots
  QCheckBox* newOnly_ = nullptr;        // Nouveaux_Seulement
  QComboBox* bands_ = nullptr;          // Bandes_Spots
  QLineEdit* department_ = nullptr;     // Departement_Spots
  QPlainTextEdit* messages_ = nullptr;  // Messages_Noeud
  QPointer<AnnounceWindow> announce_;
};
