#include "ui/radio/RadioLink.h"

#include <QDeadlineTimer>
#include <QThread>

#include "core/radio/RadioStatus.h"
#include "ui/kit/StoredRadio.h"
#include "ui/radio/RadioWorker.h"

namespace {

// Often enough for the entry to follow a turn of the dial.
constexpr std::chrono::milliseconds kPollInterval{500};
// The longest quitting waits for a radio busy in the system.
constexpr std::chrono::milliseconds kLongestEndWait{1000};

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

}  // namespace

RadioLink::RadioLink(const SettingsStore& settings, QObject* parent)
    : QObject(parent), settings_(settings), status_(FromUtf8(kmb::kRadioNotSetUp)) {
  countdown_.setInterval(std::chrono::seconds(1));
  connect(&countdown_, &QTimer::timeout, this, &RadioLink::countDown);
}

RadioLink::~RadioLink() {
  shutDown();
  const QDeadlineTimer deadline(kLongestEndWait);
  for (const QPointer<QThread>& thread : ending_)
    if (thread) thread->wait(deadline);
}

void RadioLink::useStoredSetup() {
  stop();
  setup_ = StoredRadioSetup(settings_);
  setStatus(FromUtf8(inUse() ? kmb::kRadioConnecting : kmb::kRadioNotSetUp));
  startWhenFree();
}

void RadioLink::shutDown() {
  shutDown_ = true;
  stop();
}

// The worker ends once its request is answered or timed out, its radio
// closed; the window does not wait for it, and drops whatever it still says.
void RadioLink::stop() {
  ++generation_;
  countdown_.stop();
  lastAnswer_.reset();
  refusalShown_ = false;
  forgetReading();
  if (!thread_) return;
  // Followed before it is told to end: it may end at once.
  ending_.emplace_back(thread_);
  connect(thread_, &QThread::finished, this, [this, ended = thread_] {
    std::erase_if(ending_, [ended](const QPointer<QThread>& thread) { return !thread || thread == ended; });
    startWhenFree();
  });
  thread_->requestInterruption();
  QMetaObject::invokeMethod(worker_, [worker = worker_] { worker->finish(); });
  thread_ = nullptr;
  worker_ = nullptr;
}

// One connection at a time: a new worker waits for the last one to end.
void RadioLink::startWhenFree() {
  if (shutDown_ || thread_) return;
  std::erase_if(ending_, [](const QPointer<QThread>& thread) { return !thread; });
  if (ending_.empty()) start();
}

void RadioLink::start() {
  thread_ = new QThread;
  worker_ = new RadioWorker(setup_, kPollInterval);
  worker_->moveToThread(thread_);
  connect(thread_, &QThread::started, worker_, &RadioWorker::connectRadio);
  connect(thread_, &QThread::finished, worker_, &QObject::deleteLater);
  connect(thread_, &QThread::finished, thread_, &QObject::deleteLater);
  followWorker();
  thread_->start();
  if (waitingTest_) sendTest();
}

// Each answer is taken only while its worker is the current one: answers
// already on their way when it was stopped are dropped here.
void RadioLink::followWorker() {
  const auto current = [this, generation = generation_] { return generation == generation_; };
  connect(worker_, &RadioWorker::connecting, this, [this, current] {
    if (current()) setStatus(FromUtf8(kmb::kRadioConnecting));
  });
  connect(worker_, &RadioWorker::answered, this, [this, current](double hertz, const QString& mode, bool known) {
    if (current()) answered(hertz, mode, known);
  });
  connect(worker_, &RadioWorker::failed, this, [this, current](const QString& cause, bool hadAnswered, int delay) {
    if (current()) failed(cause, hadAnswered, delay);
  });
  connect(worker_, &RadioWorker::tuneRefused, this, [this, current](double hertz, const QString& cause) {
    if (current()) tuneRefused(hertz, cause);
  });
  // A test has its own number: its answer counts whichever worker gives it.
  connect(worker_, &RadioWorker::tested, this, &RadioLink::tested);
}

void RadioLink::reconnect() {
  if (worker_) QMetaObject::invokeMethod(worker_, [worker = worker_] { worker->tryNow(); });
}

void RadioLink::setStatus(const QString& status) {
  if (status == status_) return;
  status_ = status;
  emit statusChanged(status_);
}

void RadioLink::forgetReading() {
  if (!lastReading_) return;
  lastReading_.reset();
  emit lost();
}

void RadioLink::answered(double hertz, const QString& mode, bool modeKnown) {
  countdown_.stop();
  const kmb::RadioReading reading{hertz, modeKnown ? std::optional(mode.toStdString()) : std::nullopt};
  lastAnswer_ = reading;
  if (refusalShown_ && refusedAt_ == reading) return;
  refusalShown_ = false;
  setStatus(QString::fromStdString(kmb::ReadingStatus(reading)));
  if (kmb::ReadingFault(reading)) {
    forgetReading();
    return;
  }
  if (lastReading_ == reading) return;
  lastReading_ = reading;
  const kmb::Band* band = kmb::EntryBandOfFrequency(hertz);
  const auto entryMode = reading.mode ? kmb::EntryModeOfRadio(*reading.mode) : std::nullopt;
  emit tuned(band ? FromUtf8(band->label) : QString(), entryMode ? FromUtf8(*entryMode) : QString());
}

void RadioLink::failed(const QString& cause, bool hadAnswered, int retrySeconds) {
  lastAnswer_.reset();
  refusalShown_ = false;
  forgetReading();
  retryCause_ = cause;
  retryAfterLoss_ = hadAnswered;
  secondsLeft_ = retrySeconds;
  setStatus(QString::fromStdString(kmb::RetryStatus(hadAnswered, cause.toStdString(), secondsLeft_)));
  countdown_.start();
}

void RadioLink::tuneRefused(double hertz, const QString& cause) {
  refusalShown_ = true;
  refusedAt_ = lastAnswer_;
  setStatus(QString::fromStdString(kmb::TuneRefusalStatus(hertz, cause.toStdString())));
  if (tuneAsker_.asker) tuneAsker_.call(status_);
}

void RadioLink::countDown() {
  if (--secondsLeft_ <= 0) {
    countdown_.stop();
    return;
  }
  setStatus(QString::fromStdString(kmb::RetryStatus(retryAfterLoss_, retryCause_.toStdString(), secondsLeft_)));
}

std::optional<double> RadioLink::frequencyHz() const {
  if (!lastAnswer_ || !lastReading_) return std::nullopt;
  return lastReading_->hertz;
}

std::optional<QString> RadioLink::tune(double hertz, const QString& mode, QObject* asker,
                                       std::function<void(const QString&)> refused) {
  if (!inUse())
    return QStringLiteral(
        "Aucune radio n'est réglée : choisissez-la dans le menu Fichier > Préférences…, section « Radio ».");
  if (!lastAnswer_ || !worker_)
    return QStringLiteral("La radio n'est pas connectée : elle ne se règle pas sur ce spot.");
  tuneAsker_ = {asker, std::move(refused)};
  const QString radioMode = FromUtf8(kmb::RadioModeOfEntry(mode.toStdString(), hertz));
  QMetaObject::invokeMethod(worker_, [worker = worker_, hertz, radioMode] { worker->tune(hertz, radioMode); });
  return std::nullopt;
}

void RadioLink::test(const kmb::RadioSetup& setup, QObject* asker, std::function<void(const QString&)> report) {
  ++testRequest_;
  tester_ = {asker, std::move(report)};
  waitingTest_ = setup;
  if (worker_) sendTest();
}

void RadioLink::sendTest() {
  QMetaObject::invokeMethod(
      worker_, [worker = worker_, setup = *waitingTest_, request = testRequest_] { worker->test(setup, request); });
  waitingTest_.reset();
}

void RadioLink::cancelTest() {
  ++testRequest_;
  tester_ = {};
  waitingTest_.reset();
}

void RadioLink::tested(int request, const QString& report) {
  if (request != testRequest_ || !tester_.asker) return;
  const Callback tester = std::exchange(tester_, {});
  tester.call(report);
}
