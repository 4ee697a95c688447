#pragma once
// The main window's side of the radio: one worker at a time on a thread of
// its own, started from the stored setup once the previous one has ended;
// the status line's words, the last answer, and the band and mode handed to
// the entry. Nothing a stopped worker still says reaches the window.
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "core/radio/RadioReading.h"
#include "ui/kit/RadioControl.h"

class QThread;
class RadioWorker;
class SettingsStore;

class RadioLink final : public QObject, public RadioControl {
  Q_OBJECT
 public:
  RadioLink(const SettingsStore& settings, QObject* parent);
  // Waits a second at most for the radio's threads: one stuck in the system
  // (a host that never answers) is left to end with the program.
  ~RadioLink() override;

  bool inUse() const override { return setup_.model > 0; }
  // Connects with the setup stored under "Setup ", or says there is none.
  void useStoredSetup() override;
  void reconnect() override;
  // The program ends: the radio stops and nothing starts again.
  void shutDown();
  QString status() const { return status_; }

  std::optional<double> frequencyHz() const override;
  std::optional<QString> tune(double hertz, const QString& mode, QObject* asker,
                              std::function<void(const QString&)> refused) override;
  void test(const kmb::RadioSetup& setup, QObject* asker, std::function<void(const QString&)> report) override;
  void cancelTest() override;

 signals:
  void statusChanged(const QString& status);
  // A sensible answer: the entry's band (empty outside its bands) and mode
  // (empty for one it leaves as it is).
  void tuned(const QString& bandLabel, const QString& entryMode);
  // The radio no longer tells where it is: lost, stopped, or talking nonsense.
  void lost();

 private:
  struct Callback {
    QPointer<QObject> asker;
    std::function<void(const QString&)> call;
  };

  void stop();
  void startWhenFree();
  void start();
  void followWorker();
  void sendTest();
  void setStatus(const QString& status);
  void answered(double hertz, const QString& mode, bool modeKnown);
  void failed(const QString& cause, bool hadAnswered, int retrySeconds);
  void tuneRefused(double hertz, const QString& cause);
  void tested(int request, const QString& report);
  void forgetReading();
  void countDown();

  const SettingsStore& settings_;
  kmb::RadioSetup setup_;         // of the worker running, or about to
  std::uint64_t generation_ = 0;  // the worker whose answers count
  QThread* thread_ = nullptr;     // the radio's thread, with its worker
  RadioWorker* worker_ = nullptr;
  std::vector<QPointer<QThread>> ending_;  // stopped workers ending their last request
  bool shutDown_ = false;
  std::optional<kmb::RadioReading> lastAnswer_;   // as the radio gave it; none while not connected
  std::optional<kmb::RadioReading> lastReading_;  // the last sensible one, which the entry follows
  // A refused frequency stays said until the radio's answer changes from this one.
  bool refusalShown_ = false;
  std::optional<kmb::RadioReading> refusedAt_;
  Callback tuneAsker_;
  std::optional<kmb::RadioSetup> waitingTest_;  // asked before the worker started
  int testRequest_ = 0;
  Callback tester_;
  QString status_;
  QTimer countdown_;  // the seconds before the next try
  QString retryCause_;
  bool retryAfterLoss_ = false;
  int secondsLeft_ = 0;
};
