#pragma once
// The radio's own thread: it owns the Hamlib handle, asks the radio one
// question at a time, and tries again with a growing delay when the radio
// is gone. Nothing here ever waits in the window's thread.
#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <memory>

#include "core/radio/HamlibRadio.h"

class RadioWorker final : public QObject {
  Q_OBJECT
 public:
  RadioWorker(kmb::RadioSetup setup, std::chrono::milliseconds pollInterval);
  ~RadioWorker() override;

  // Slots, called in the worker's thread.
  void connectRadio();
  void tune(double hertz, const QString& radioMode);

 signals:
  void connecting();
  // An answer; `modeKnown` false when the radio cannot tell its mode.
  void answered(double hertz, const QString& mode, bool modeKnown);
  void failed(const QString& cause, bool hadAnswered, int retrySeconds);
  void tuneRefused(const QString& cause);

 private:
  void poll();
  void fail(std::string cause);  // a copy: it may be the failure of the radio dropped here

  const kmb::RadioSetup setup_;
  const std::chrono::milliseconds pollInterval_;
  std::unique_ptr<kmb::HamlibRadio> radio_;
  QTimer next_;  // the next poll, or the next try after a failure
  int failures_ = 0;
  bool hadAnswered_ = false;
};
