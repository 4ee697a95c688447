#include "ui/radio/RadioLink.h"

#include <QThread>

#include "core/radio/RadioStatus.h"
#include "ui/kit/SettingsStore.h"
#include "ui/radio/RadioWorker.h"

using namespace settings_keys;

namespace {

// Often enough for the entry to follow a turn of the dial.
constexpr std::chrono::milliseconds kPollInterval{500};

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

kmb::RadioSetup StoredSetup(const SettingsStore& settings) {
  return {settings.read(kSetup, kRadioModele).toInt(), settings.read(kSetup, kRadioPort).toStdString(),
          settings.read(kSetup, kRadioVitesse).toInt()};
}

}  // namespace

RadioLink::RadioLink(const SettingsStore& settings, QObject* parent)
    : QObject(parent), settings_(settings), status_(FromUtf8(kmb::kRadioNotSetUp)) {
  countdown_.setInterval(std::chrono::seconds(1));
  connect(&countdown_, &QTimer::timeout, this, &RadioLink::countDown);
}

RadioLink::~RadioLink() {
  stop();
  for (const QPointer<QThread>& thread : stopping_)
    if (thread) thread->wait();
}

void RadioLink::useStoredSetup() {
  stop();
  const kmb::RadioSetup setup = StoredSetup(settings_);
  if (setup.model <= 0) {
    setStatus(FromUtf8(kmb::kRadioNotSetUp));
    return;
  }
  thread_ = new QThread;
  worker_ = new RadioWorker(setup, kPollInterval);
  worker_->moveToThread(thread_);
  connect(thread_, &QThread::started, worker_, &RadioWorker::connectRadio);
  connect(thread_, &QThread::finished, worker_, &QObject::deleteLater);
  connect(thread_, &QThread::finished, thread_, &QObject::deleteLater);
  connect(worker_, &RadioWorker::connecting, this, [this] { setStatus(FromUtf8(kmb::kRadioConnecting)); });
  connect(worker_, &RadioWorker::answered, this, &RadioLink::answered);
  connect(worker_, &RadioWorker::failed, this, &RadioLink::failed);
  connect(worker_, &RadioWorker::tuneRefused, this,
          [this](const QString& cause) { setStatus(QStringLiteral("Radio : fréquence refusée (%1)").arg(cause)); });
  thread_->start();
}

// The thread ends once its request is answered or timed out; the window
// does not wait for it.
void RadioLink::stop() {
  countdown_.stop();
  connected_ = false;
  lastReading_.reset();
  if (!thread_) return;
  worker_->disconnect(this);
  thread_->requestInterruption();
  thread_->quit();
  std::erase_if(stopping_, [](const QPointer<QThread>& ended) { return ended.isNull(); });
  stopping_.emplace_back(thread_);
  thread_ = nullptr;
  worker_ = nullptr;
}

void RadioLink::setStatus(const QString& status) {
  if (status == status_) return;
  status_ = status;
  emit statusChanged(status_);
}

void RadioLink::answered(double hertz, const QString& mode, bool modeKnown) {
  countdown_.stop();
  connected_ = true;
  const kmb::RadioReading reading{hertz, modeKnown ? std::optional(mode.toStdString()) : std::nullopt};
  setStatus(QString::fromStdString(kmb::ReadingStatus(reading)));
  if (kmb::ReadingFault(reading)) return;
  const bool changed = !lastReading_ || lastReading_->hertz != hertz || lastReading_->mode != reading.mode;
  lastReading_ = reading;
  if (!changed) return;
  const kmb::Band* band = kmb::EntryBandOfFrequency(hertz);
  const auto entryMode = reading.mode ? kmb::EntryModeOfRadio(*reading.mode) : std::nullopt;
  emit tuned(band ? FromUtf8(band->label) : QString(), entryMode ? FromUtf8(*entryMode) : QString());
}

void RadioLink::failed(const QString& cause, bool hadAnswered, int retrySeconds) {
  connected_ = false;
  lastReading_.reset();
  retryCause_ = cause;
  retryAfterLoss_ = hadAnswered;
  secondsLeft_ = retrySeconds;
  setStatus(QString::fromStdString(kmb::RetryStatus(hadAnswered, cause.toStdString(), secondsLeft_)));
  countdown_.start();
}

void RadioLink::countDown() {
  if (--secondsLeft_ <= 0) {
    countdown_.stop();
    return;
  }
  setStatus(QString::fromStdString(kmb::RetryStatus(retryAfterLoss_, retryCause_.toStdString(), secondsLeft_)));
}

std::optional<double> RadioLink::frequencyHz() const {
  if (!connected_ || !lastReading_) return std::nullopt;
  return lastReading_->hertz;
}

std::optional<QString> RadioLink::tune(double hertz, const QString& mode) {
  if (!connected_)
    return QStringLiteral(
        "Aucune radio n'est connectée : réglez-la dans le menu Fichier > Préférences…, section « Radio ».");
  const QString radioMode = FromUtf8(kmb::RadioModeOfEntry(mode.toStdString(), hertz));
  QMetaObject::invokeMethod(worker_, [worker = worker_, hertz, radioMode] { worker->tune(hertz, radioMode); });
  return std::nullopt;
}
