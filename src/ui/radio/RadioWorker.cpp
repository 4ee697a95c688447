#include "ui/radio/RadioWorker.h"

#include <QThread>

#include "core/radio/RadioStatus.h"

RadioWorker::RadioWorker(kmb::RadioSetup setup, std::chrono::milliseconds pollInterval)
    : setup_(std::move(setup)), pollInterval_(pollInterval), next_(this) {  // moves with the worker
  next_.setSingleShot(true);
}

RadioWorker::~RadioWorker() = default;

void RadioWorker::connectRadio() {
  next_.disconnect();
  emit connecting();
  radio_ = std::make_unique<kmb::HamlibRadio>(setup_);
  if (!radio_->failure().empty()) {
    fail(radio_->failure());
    return;
  }
  poll();
}

// The next question goes once the last answer is in: never two at a time.
void RadioWorker::poll() {
  if (QThread::currentThread()->isInterruptionRequested()) return;
  const kmb::RadioAnswer answer = radio_->read();
  if (!answer.failure.empty()) {
    fail(answer.failure);
    return;
  }
  failures_ = 0;
  hadAnswered_ = true;
  const auto& mode = answer.reading.mode;
  emit answered(answer.reading.hertz, QString::fromStdString(mode.value_or("")), mode.has_value());
  next_.disconnect();
  connect(&next_, &QTimer::timeout, this, &RadioWorker::poll);
  next_.start(pollInterval_);
}

void RadioWorker::fail(std::string cause) {
  radio_.reset();
  const int delay = kmb::RetryDelaySeconds(++failures_);
  emit failed(QString::fromStdString(cause), hadAnswered_, delay);
  next_.disconnect();
  connect(&next_, &QTimer::timeout, this, &RadioWorker::connectRadio);
  next_.start(std::chrono::seconds(delay));
}

void RadioWorker::tune(double hertz, const QString& radioMode) {
  if (!radio_ || QThread::currentThread()->isInterruptionRequested()) return;
  // A refused frequency is no lost radio: the next poll tells if it is.
  if (const auto refused = radio_->tune(hertz, radioMode.toStdString()))
    emit tuneRefused(QString::fromStdString(*refused));
}
