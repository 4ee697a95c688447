#include "ui/cluster/ClusterLink.h"

#include <QTcpSocket>
#include <cmath>

namespace {

constexpr qint64 kReadPiece = 16 * 1024;

QString ReasonOf(QAbstractSocket::SocketError error) {
  switch (error) {
    case QAbstractSocket::RemoteHostClosedError: return QStringLiteral("le nœud a fermé la connexion");
    case QAbstractSocket::HostNotFoundError: return QStringLiteral("nœud introuvable");
    case QAbstractSocket::ConnectionRefusedError: return QStringLiteral("connexion refusée");
    case QAbstractSocket::SocketTimeoutError: return QStringLiteral("pas de réponse");
    case QAbstractSocket::NetworkError: return QStringLiteral("réseau indisponible");
    default: return QStringLiteral("erreur du réseau");
  }
}

void SingleShot(QTimer& timer, int ms) {
  timer.setSingleShot(true);
  timer.setInterval(ms);
}

}  // namespace

ClusterLink::ClusterLink(kmb::NodeAddress node, std::string loginCall, ClusterTimings timings, QObject* parent)
    : QObject(parent),
      node_(std::move(node)),
      loginCall_(std::move(loginCall)),
      timings_(timings),
      socket_(new QTcpSocket(this)),
      login_(loginCall_),
      schedule_(timings.firstRetryMs) {
  steady_.start();
  SingleShot(silence_, timings_.silenceMs);
  SingleShot(connecting_, timings_.connectMs);
  retry_.setSingleShot(true);
  SingleShot(readMore_, 0);
  connect(socket_, &QTcpSocket::connected, this, &ClusterLink::connected);
  connect(socket_, &QTcpSocket::readyRead, this, &ClusterLink::read);
  connect(socket_, &QTcpSocket::errorOccurred, this,
          [this](QAbstractSocket::SocketError error) { lost(ReasonOf(error)); });
  connect(socket_, &QTcpSocket::disconnected, this, [this] { lost(ReasonOf(QAbstractSocket::RemoteHostClosedError)); });
  connect(&connecting_, &QTimer::timeout, this, [this] { lost(ReasonOf(QAbstractSocket::SocketTimeoutError)); });
  connect(&silence_, &QTimer::timeout, this, &ClusterLink::silent);
  connect(&retry_, &QTimer::timeout, this, &ClusterLink::tryAgain);
  connect(&readMore_, &QTimer::timeout, this, &ClusterLink::read);
}

ClusterLink::~ClusterLink() {
  socket_->disconnect(this);
  socket_->abort();
}

QString ClusterLink::nodeName() const {
  return QString::fromStdString(node_.host) + u':' + QString::number(node_.port);
}

void ClusterLink::open() { connectNow(); }

void ClusterLink::tryAgain() {
  schedule_.tryingAt(steady_.elapsed());
  connectNow();
}

void ClusterLink::connectNow() {
  reader_ = {};
  login_ = kmb::ClusterLogin(loginCall_);
  emit statusChanged(QStringLiteral("Connexion à %1…").arg(nodeName()));
  connecting_.start();
  socket_->connectToHost(QString::fromStdString(node_.host), quint16(node_.port));
}

void ClusterLink::connected() {
  connecting_.stop();
  schedule_.connected();
  silence_.start();
  emit statusChanged(QStringLiteral("Connecté à %1").arg(nodeName()));
}

void ClusterLink::read() {
  const QByteArray bytes = socket_->read(kReadPiece);
  if (socket_->bytesAvailable() > 0) readMore_.start();
  const std::vector<std::string> lines = reader_.feed(std::string_view(bytes.constData(), size_t(bytes.size())));
  for (const std::string& line : lines) answer(login_.onText(line));
  if (!reader_.partial().empty() && answer(login_.onText(reader_.partial()))) reader_.answered();
  if (!login_.loggedIn()) silence_.start();
  if (!lines.empty()) emit linesReceived(lines);
}

void ClusterLink::silent() {
  if (answer(login_.onSilence())) reader_.answered();
  if (!login_.loggedIn()) silence_.start();
}

bool ClusterLink::answer(const std::string& bytes) {
  if (bytes.empty()) return false;
  socket_->write(bytes.data(), qint64(bytes.size()));
  return true;
}

bool ClusterLink::send(const std::string& bytes) {
  if (socket_->state() != QAbstractSocket::ConnectedState) return false;
  answer(bytes);
  return true;
}

// The error and the disconnection of one loss both come here: the first schedules the try.
void ClusterLink::lost(const QString& reason) {
  if (retry_.isActive()) return;
  const long long delay = schedule_.delayAfterLoss(steady_.elapsed());
  retry_.start(int(delay));  // before the abort, whose own disconnection then changes nothing
  connecting_.stop();
  silence_.stop();
  readMore_.stop();
  socket_->abort();
  emit statusChanged(QStringLiteral("Connexion perdue avec %1 (%2) : nouvel essai dans %3 s.")
                         .arg(nodeName(), reason)
                         .arg(std::ceil(double(delay) / 1000)));
}
