#pragma once
// The watch of the spots, owned by the program rather than by a window: the
// node's connection, the spots of the last two hours, the node's messages,
// and the announcement of a lavoir the log still needs, heard while the
// operator works elsewhere. Its status line (`Etat_Spots`) stands in the
// main window.
#include <QPointer>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/cluster/SpotTable.h"
#include "core/cluster/SpotsOnAir.h"
#include "core/cluster/WorkedReferences.h"
#include "ui/cluster/ClusterLink.h"
#include "ui/kit/LiveSpots.h"

class CommandBoard;
class QLabel;
class QWidget;

// How a new lavoir on the air is told beyond the status line.
class Attention {
 public:
  virtual ~Attention() = default;
  // Asks the desktop to show `window`, and plays the announcement's sound when `sound`.
  virtual void request(QWidget& window, bool sound) = 0;
};

// What the window of the spots is asked to show.
struct SpotsRequest {
  std::optional<std::string> department;  // only its spots
  std::optional<std::uint64_t> spot;      // chosen
};

class SpotWatch final : public LiveSpots {
  Q_OBJECT
 public:
  SpotWatch(CommandBoard& board, QObject* parent);
  ~SpotWatch() override;

  // Listens to the node unless it does already with the settings as they
  // stand (a node changed in "Préférences" is taken here), or says why it cannot.
  void listen(const ClusterTimings& timings = {});
  // Listens from the start when the settings ask for it.
  void listenIfAsked();
  void stop();
  bool isConnected() const;
  // Sends a line the operator confirmed; false when the node is not connected.
  bool send(const std::string& line);

  const kmb::SpotTable& table() const { return table_; }
  const kmb::WorkedReferences& worked() const { return worked_; }
  const kmb::NodeMessages& nodeMessages() const { return messages_; }
  const QString& linkStatus() const { return linkStatus_; }
  kmb::Minute now() const;
  void setAttention(std::unique_ptr<Attention> attention) { attention_ = std::move(attention); }
  // Opens "Spots KMB" on the newest new lavoir heard in the last 15 minutes.
  void showNewest();

  // LiveSpots
  std::map<std::string, int> departmentsOnAir(std::string_view group) const override;
  void showDepartment(const std::string& department) override;

 signals:
  void linkStatusChanged(const QString& status);
  void messagesChanged();
  // The window of the spots, open or opened now, shows this.
  void shown(const SpotsRequest& request);

 private:
  void takeLines(const std::vector<std::string>& lines);
  void announceNew();
  void everyMinute();
  void readLog();
  void showWatchStatus();
  void open(const SpotsRequest& request);

  CommandBoard& board_;
  kmb::SpotTable table_;
  kmb::WorkedReferences worked_;
  kmb::NodeMessages messages_;
  kmb::AnnouncedLavoirs announced_;
  QPointer<ClusterLink> link_;
  QString listenedTo_;  // the node and the call sign of the link
  QString linkStatus_;
  QString announcement_;  // the latest, said during its minute
  kmb::Minute announcedAt_ = 0;
  QLabel* status_ = nullptr;  // Etat_Spots
  std::unique_ptr<Attention> attention_;
  QTimer showLater_;  // a burst of spots is told once
  QTimer minute_;
};
