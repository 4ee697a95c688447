#include "support/RadioPeers.h"

#include <QtTest>
#include <memory>

quint16 FreeLoopbackPort() {
  QTcpServer probe;
  if (!probe.listen(QHostAddress::LocalHost)) qFatal("no loopback port");
  return probe.serverPort();
}

QString LoopbackAddress(quint16 port) { return QStringLiteral("127.0.0.1:%1").arg(port); }

void Rigctld::start() {
  process_.start(QStringLiteral("rigctld"),
                 {QStringLiteral("-m"), QStringLiteral("1"), QStringLiteral("-T"), QStringLiteral("127.0.0.1"),
                  QStringLiteral("-t"), QString::number(port_)});
  if (!process_.waitForStarted(5000)) qFatal("rigctld does not start");
  // Ready once it takes a question; rigctl's complaints meanwhile are not the test's.
  const auto answers = [this] {
    QProcess rigctl;
    rigctl.start(QStringLiteral("rigctl"), {QStringLiteral("-m"), QStringLiteral("2"), QStringLiteral("-r"),
                                            LoopbackAddress(port_), QStringLiteral("f")});
    return rigctl.waitForFinished(5000) && rigctl.exitCode() == 0;
  };
  if (!QTest::qWaitFor(answers, 5000)) qFatal("rigctld does not answer");
}

void Rigctld::stop() {
  process_.kill();
  process_.waitForFinished(5000);
}

void Rigctld::set(const QStringList& commands) const {
  if (QProcess::execute(QStringLiteral("rigctl"), QStringList{QStringLiteral("-m"), QStringLiteral("2"),
                                                              QStringLiteral("-r"), LoopbackAddress(port_)} +
                                                      commands) != 0)
    qFatal("rigctl failed");
}

RadioProxy::RadioProxy(quint16 rigctldPort) : rigctldPort_(rigctldPort) {
  if (!server_.listen(QHostAddress::LocalHost)) qFatal("no loopback port");
  QObject::connect(&server_, &QTcpServer::newConnection, [this] {
    while (server_.hasPendingConnections()) take(server_.nextPendingConnection());
  });
}

// rigctld answers each question in one piece, in the order asked. It is
// reached at the program's first question: a connection only made to see
// that the host answers never holds a connection of rigctld's.
void RadioProxy::take(QTcpSocket* program) {
  ++connections_;
  auto* radio = new QTcpSocket(program);  // goes with the program's side
  auto pending = std::make_shared<QByteArray>();
  auto asked = std::make_shared<QByteArrayList>();
  QObject::connect(program, &QTcpSocket::readyRead, program, [this, program, radio, pending, asked] {
    *pending += program->readAll();
    if (radio->state() == QAbstractSocket::UnconnectedState) {
      radio->connectToHost(QHostAddress::LocalHost, rigctldPort_);
      radio->waitForConnected(2000);
    }
    for (qsizetype end; (end = pending->indexOf('\n')) >= 0; pending->remove(0, end + 1)) {
      const QByteArray question = pending->left(end + 1);
      if (refusedAboveHz > 0 && question.startsWith("F ") && question.mid(2).trimmed().toDouble() > refusedAboveHz) {
        program->write("RPRT -1\n");
        continue;
      }
      asked->append(question);
      radio->write(question);
    }
  });
  QObject::connect(radio, &QTcpSocket::readyRead, program, [this, program, radio, asked] {
    const QByteArray answer = radio->readAll();
    const QByteArray question = asked->isEmpty() ? QByteArray() : asked->takeFirst();
    if (holding_ && question == "m\n") {
      holding_ = false;
      held_ = answer;
      heldFor_ = program;
      return;
    }
    program->write(answer);
  });
  QObject::connect(program, &QTcpSocket::disconnected, program, &QObject::deleteLater);
}

void RadioProxy::release() {
  if (heldFor_) {
    heldFor_->write(held_);
    heldFor_->flush();
  }
  held_.clear();
}
