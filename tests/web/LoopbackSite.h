#pragma once
// A web site on the loopback interface that answers every request with a
// page titled after the requested path, and remembers the paths asked for.
#include <QObject>
#include <QStringList>
#include <QTcpServer>

class LoopbackSite final : public QObject {
  Q_OBJECT
 public:
  LoopbackSite();

  QString address() const;  // "http://127.0.0.1:port"
  QStringList requested;    // paths, in order of arrival
  QStringList languages;    // the Accept-Language of each request

 private:
  void answer(QTcpSocket& socket);

  QTcpServer server_;
};
