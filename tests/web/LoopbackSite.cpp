#include "web/LoopbackSite.h"

#include <QTcpSocket>

namespace {

QByteArray PageTitled(const QByteArray& title) {
  const QByteArray body =
      "<!DOCTYPE html><html><head><title>" + title + "</title></head><body>" + title + "</body></html>";
  return "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: " +
         QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

}  // namespace

LoopbackSite::LoopbackSite() {
  if (!server_.listen(QHostAddress::LocalHost)) qFatal("loopback site cannot listen");
  connect(&server_, &QTcpServer::newConnection, this, [this] {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
      connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
      connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { answer(*socket); });
    }
  });
}

QString LoopbackSite::address() const { return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()); }

void LoopbackSite::answer(QTcpSocket& socket) {
  const QByteArray head = socket.peek(socket.bytesAvailable());
  if (!head.contains("\r\n\r\n")) return;  // wait for the whole head
  socket.readAll();
  QObject::disconnect(&socket, &QTcpSocket::readyRead, nullptr, nullptr);
  const QByteArray path = head.left(head.indexOf("\r\n")).split(' ').value(1);
  requested << QString::fromLatin1(path);
  for (const QByteArray& line : head.split('\n'))
    if (line.toLower().startsWith("accept-language:")) languages << QString::fromLatin1(line.mid(16).trimmed());
  socket.write(PageTitled(path));
  socket.disconnectFromHost();
}
