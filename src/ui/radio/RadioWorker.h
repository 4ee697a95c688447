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
  // A setup of model 0 sets up no radio: the worker then only runs tests.
  RadioWorker(kmb::RadioSetup setup, std::chrono::milliseconds pollInterval);
  ~RadioWorker() override;

  // Slots, called in the worker's thread.
  void connectRadio();
  // "Reconnecter": the next try at once, unless the radio answers already.
  void tryNow();
  void tune(double hertz, const QString& radioMode);
  // "Tester": `setup` asked once, through this worker's handle when it is the
  // same radio; a port holds one handle at a time, so the worker's own is
  // given up for a test of another model on its port, and opened again.
  void test(const kmb::RadioSetup& setup, int request);
  // Closes the radio, then ends the thread: the port is free once the thread has ended.
  void finish();

 signals:
  void connecting();
  // An answer; `modeKnown` false when the radio cannot tell its mode.
  void answered(double hertz, const QString& mode, bool modeKnown);
  void failed(const QString& cause, bool hadAnswered, int retrySeconds);
  void tuneRefused(double hertz, const QString& cause);
  void tested(int request, const QString& report);

 private:
  void poll();
  void fail(std::string cause);  // a copy: it may be the failure of the radio dropped here
  void schedule(std::chrono::milliseconds delay, void (RadioWorker::*step)());
  bool stopping() const;

  const kmb::RadioSetup setup_;
  const std::chrono::milliseconds pollInterval_;
  std::unique_ptr<kmb::HamlibRadio> radio_;
  QTimer next_;  // the next poll, or the next try after a failure
  int failures_ = 0;
  bool hadAnswered_ = false;
};
