#pragma once
// The connection to a DX-cluster node: a plain TCP text stream read as bytes
// come, the login, the request for the recent spots, a link silent for long
// checked, and a lost connection tried again on the reconnection schedule,
// the seconds left counted down. Closed when destroyed.
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <string>
#include <vector>

#include "core/cluster/ClusterLogin.h"
#include "core/cluster/ClusterSetup.h"
#include "core/cluster/ReconnectSchedule.h"
#include "core/cluster/TelnetLines.h"

class QTcpSocket;

struct ClusterTimings {
  int firstRetryMs = int(kmb::ReconnectSchedule::kFirstDelayMs);
  int silenceMs = 3000;              // a silent node is sent what it did not ask for
  int connectMs = 15000;             // a try not connected by then is lost
  int idleCheckMs = 10 * 60 * 1000;  // a link silent this long is sent a blank line
  int checkAnswerMs = 60 * 1000;     // and is lost without an answer by then
};

class ClusterLink final : public QObject {
  Q_OBJECT
 public:
  ClusterLink(kmb::NodeAddress node, std::string loginCall, ClusterTimings timings, QObject* parent);
  ~ClusterLink() override;

  void open();
  bool isConnected() const;
  // Sends bytes the operator confirmed; false when the node is not connected.
  bool send(const std::string& bytes);

 signals:
  void linesReceived(const std::vector<std::string>& lines);
  void statusChanged(const QString& status);

 private:
  void connectNow();
  void tryAgain();
  void connected();
  void read();
  void showQuestion();
  void silent();
  void awaitNext();
  void checkLink();
  // False when there was nothing to send.
  bool answer(const std::string& bytes);
  void lost(const QString& reason);
  void showCountdown();
  // The node's last line before the loss, when it said why it closed.
  QString lastWords() const;
  QString nodeName() const;

  kmb::NodeAddress node_;
  std::string loginCall_;
  ClusterTimings timings_;
  QTcpSocket* socket_ = nullptr;
  kmb::TelnetLineReader reader_;
  kmb::ClusterLogin login_;
  kmb::ReconnectSchedule schedule_;
  QElapsedTimer steady_;
  std::string lastLine_;
  qint64 lastLineAt_ = 0;
  QString lossReason_;
  bool questionShown_ = false;
  QTimer retry_;
  QTimer countdown_;  // the seconds left before the next try, said each second
  QTimer silence_;
  QTimer connecting_;
  QTimer idle_;         // no byte from the node for that long: the link is checked
  QTimer checkAnswer_;  // the check unanswered: the link is dead
  QTimer readMore_;     // a burst is read a piece at a time, the keys served between pieces
};
