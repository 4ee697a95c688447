#pragma once
// The main window's side of the radio: starts the radio's thread from the
// stored setup, keeps the status line's words and the last answer, and
// hands the entry the band and mode the radio is on.
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
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
  // Waits for the radio's thread to end its request, at most one time-out.
  ~RadioLink() override;

  // Connects with the setup stored under "Setup ", or says there is none.
  void useStoredSetup() override;
  QString status() const { return status_; }

  std::optional<double> frequencyHz() const override;
  std::optional<QString> tune(double hertz, const QString& mode) override;

 signals:
  void statusChanged(const QString& status);
  // A sensible answer: the entry's band (empty outside its bands) and mode
  // (empty for one it leaves as it is).
  void tuned(const QString& bandLabel, const QString& entryMode);

 private:
  void stop();
  void setStatus(const QString& status);
  void answered(double hertz, const QString& mode, bool modeKnown);
  void failed(const QString& cause, bool hadAnswered, int retrySeconds);
  void countDown();

  const SettingsStore& settings_;
  QThread* thread_ = nullptr;  // the radio's thread, with its worker
  RadioWorker* worker_ = nullptr;
  std::vector<QPointer<QThread>> stopping_;  // threads ending a request
  std::optional<kmb::RadioReading> lastReading_;
  bool connected_ = false;
  QString status_;
  QTimer countdown_;  // the seconds before the next try
  QString retryCause_;
  bool retryAfterLoss_ = false;
  int secondsLeft_ = 0;
};
