#include "ui/cluster/ClusterLink.h"

#include <QTcpSocket>
#include <cmath>

#include "core/cluster/SpotLine.h"
#include "ui/kit/ShownText.h"

namespace {

constexpr qint64 kReadPiece = 16 * 1024;
// A node's line this close before it closes says why.
constexpr qint64 kLastWordsMs = 5000;
constexpr qsizetype kLongestWordsShown = 160;
// What checks a silent link: a node answers a blank line with its prompt.
const std::string kLinkCheck = "\r\n";

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
  SingleShot(idle_, timings_.idleCheckMs);
  SingleShot(checkAnswer_, timings_.checkAnswerMs);
  retry_.setSingleShot(true);
  countdown_.setInterval(1000);
  SingleShot(readMore_, 0);
  connect(socket_, &QTcpSocket::connected, this, &ClusterLink::connected);
  connect(socket_, &QTcpSocket::readyRead, this, &ClusterLink::read);
  connect(socket_, &QTcpSocket::errorOccurred, this,
          [this](QAbstractSocket::SocketError error) { lost(ReasonOf(error)); });
  connect(socket_, &QTcpSocket::disconnected, this, [this] { lost(ReasonOf(QAbstractSocket::RemoteHostClosedError)); });
  connect(&connecting_, &QTimer::timeout, this, [this] { lost(ReasonOf(QAbstractSocket::SocketTimeoutError)); });
  connect(&silence_, &QTimer::timeout, this, &ClusterLink::silent);
  connect(&idle_, &QTimer::timeout, this, &ClusterLink::checkLink);
  connect(&checkAnswer_, &QTimer::timeout, this, [this] { lost(QStringLiteral("le nœud ne répond plus")); });
  connect(&retry_, &QTimer::timeout, this, &ClusterLink::tryAgain);
  connect(&countdown_, &QTimer::timeout, this, &ClusterLink::showCountdown);
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
  countdown_.stop();
  schedule_.tryingAt(steady_.elapsed());
  connectNow();
}

void ClusterLink::connectNow() {
  reader_ = {};
  login_ = kmb::ClusterLogin(loginCall_);
  lastLine_.clear();
  questionShown_ = false;
  emit statusChanged(QStringLiteral("Connexion à %1…").arg(nodeName()));
  connecting_.start();
  socket_->connectToHost(QString::fromStdString(node_.host), quint16(node_.port));
}

void ClusterLink::connected() {
  connecting_.stop();
  schedule_.connectedAt(steady_.elapsed());
  silence_.start();
  emit statusChanged(QStringLiteral("Connecté à %1").arg(nodeName()));
}

void ClusterLink::read() {
  const QByteArray bytes = socket_->read(kReadPiece);
  if (socket_->bytesAvailable() > 0) readMore_.start();
  checkAnswer_.stop();
  const std::vector<std::string> lines = reader_.feed(std::string_view(bytes.constData(), size_t(bytes.size())));
  for (const std::string& line : lines) answer(login_.onLine(line));
  if (!lines.empty()) {
    lastLine_ = lines.back();
    lastLineAt_ = steady_.elapsed();
  }
  if (answer(login_.onPartial(reader_.partial()))) reader_.answered();
  awaitNext();
  showQuestion();
  if (!lines.empty()) emit linesReceived(lines);
}

// The program answers no question: the operator learns what the node waits for, until it goes on.
void ClusterLink::showQuestion() {
  if (login_.questionOpen())
    emit statusChanged(QStringLiteral("Connecté à %1, mais le nœud attend une réponse : « %2 »")
                           .arg(nodeName(), FromCp1252(reader_.partial()).trimmed().left(kLongestWordsShown)));
  else if (questionShown_)
    emit statusChanged(QStringLiteral("Connecté à %1").arg(nodeName()));
  questionShown_ = login_.questionOpen();
}

void ClusterLink::silent() {
  if (answer(login_.onSilence())) reader_.answered();
  awaitNext();
}

// Until logged in, a silence moves the login on; after, a long one is checked
// with a blank line, which before would answer the node's question.
void ClusterLink::awaitNext() {
  if (login_.loggedIn())
    idle_.start();
  else
    silence_.start();
}

void ClusterLink::checkLink() {
  answer(kLinkCheck);
  checkAnswer_.start();
}

bool ClusterLink::answer(const std::string& bytes) {
  if (bytes.empty()) return false;
  socket_->write(bytes.data(), qint64(bytes.size()));
  return true;
}

bool ClusterLink::isConnected() const { return socket_->state() == QAbstractSocket::ConnectedState; }

bool ClusterLink::send(const std::string& bytes) {
  if (!isConnected()) return false;
  answer(bytes);
  return true;
}

QString ClusterLink::lastWords() const {
  if (lastLine_.empty() || steady_.elapsed() - lastLineAt_ > kLastWordsMs || kmb::ParseSpotLine(lastLine_)) return {};
  return FromCp1252(lastLine_).trimmed().left(kLongestWordsShown);
}

// The error and the disconnection of one loss both come here: the first schedules the try.
void ClusterLink::lost(const QString& reason) {
  if (retry_.isActive()) return;
  const QString words = lastWords();
  lossReason_ = words.isEmpty() ? reason : reason + QStringLiteral(" : « ") + words + QStringLiteral(" »");
  // Started before the abort, whose own disconnection then changes nothing.
  retry_.start(int(schedule_.delayAfterLoss(steady_.elapsed())));
  for (QTimer* timer : {&connecting_, &silence_, &readMore_, &idle_, &checkAnswer_}) timer->stop();
  socket_->abort();
  showCountdown();
  countdown_.start();
}

void ClusterLink::showCountdown() {
  if (!retry_.isActive()) {
    countdown_.stop();
    return;
  }
  const int seconds = int(std::ceil(double(retry_.remainingTime()) / 1000));
  emit statusChanged(QStringLiteral("Connexion perdue avec %1 (%2) : nouvel essai dans %3 s.")
                         .arg(nodeName(), lossReason_)
                         .arg(std::max(seconds, 1)));
}
