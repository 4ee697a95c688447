#include "ui/radio/RadioWorker.h"

#include <QThread>

#include "core/radio/RadioStatus.h"

namespace {

bool SameRadio(const kmb::RadioSetup& a, const kmb::RadioSetup& b) {
  return a.model == b.model && a.port == b.port && a.speed == b.speed;
}

}  // namespace

RadioWorker::RadioWorker(kmb::RadioSetup setup, std::chrono::milliseconds pollInterval)
    : setup_(std::move(setup)), pollInterval_(pollInterval), next_(this) {  // moves with the worker
  next_.setSingleShot(true);
}

RadioWorker::~RadioWorker() = default;

bool RadioWorker::stopping() const { return QThread::currentThread()->isInterruptionRequested(); }

void RadioWorker::schedule(std::chrono::milliseconds delay, void (RadioWorker::*step)()) {
  next_.disconnect();
  connect(&next_, &QTimer::timeout, this, step);
  next_.start(delay);
}

void RadioWorker::connectRadio() {
  next_.stop();
  if (setup_.model <= 0 || stopping()) return;
  emit connecting();
  radio_ = std::make_unique<kmb::HamlibRadio>(setup_);
  if (!radio_->failure().empty()) {
    fail(radio_->failure());
    return;
  }
  poll();
}

void RadioWorker::finish() {
  next_.stop();
  radio_.reset();
  thread()->quit();
}

void RadioWorker::tryNow() {
  if (radio_ || setup_.model <= 0) return;
  failures_ = 0;
  connectRadio();
}

// The next question goes once the last answer is in: never two at a time.
void RadioWorker::poll() {
  if (stopping()) return;
  if (!radio_) {
    connectRadio();
    return;
  }
  const kmb::RadioAnswer answer = radio_->read();
  if (!answer.failure.empty()) {
    fail(answer.failure);
    return;
  }
  failures_ = 0;
  hadAnswered_ = true;
  const auto& mode = answer.reading.mode;
  emit answered(answer.reading.hertz, QString::fromStdString(mode.value_or("")), mode.has_value());
  schedule(pollInterval_, &RadioWorker::poll);
}

void RadioWorker::fail(std::string cause) {
  radio_.reset();
  const int delay = kmb::RetryDelaySeconds(++failures_);
  emit failed(QString::fromStdString(cause), hadAnswered_, delay);
  schedule(std::chrono::seconds(delay), &RadioWorker::connectRadio);
}

void RadioWorker::tune(double hertz, const QString& radioMode) {
  if (stopping()) return;
  if (!radio_) {
    emit tuneRefused(hertz, QStringLiteral("la radio n'est plus connectée"));
    return;
  }
  // A refused frequency is no lost radio: the next poll tells if it is.
  if (const auto refused = radio_->tune(hertz, radioMode.toStdString()))
    emit tuneRefused(hertz, QString::fromStdString(*refused));
}

void RadioWorker::test(const kmb::RadioSetup& setup, int request) {
  if (radio_ && SameRadio(setup, setup_)) {
    emit tested(request, QString::fromStdString(kmb::TestReport(radio_->read())));
    return;
  }
  const bool samePort = radio_ && setup.port == setup_.port;
  if (samePort) radio_.reset();
  emit tested(request, QString::fromStdString(kmb::TestReport(kmb::HamlibRadio(setup).read())));
  if (samePort) schedule(std::chrono::milliseconds(0), &RadioWorker::connectRadio);
}
