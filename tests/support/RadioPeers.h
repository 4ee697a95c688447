#pragma once
// What a radio test talks to on 127.0.0.1: Hamlib's rigctld over its dummy
// radio, and a go-between that holds the radio's answers or refuses the
// frequencies a real radio would.
#include <QByteArray>
#include <QPointer>
#include <QProcess>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>

quint16 FreeLoopbackPort();
QString LoopbackAddress(quint16 port);

class Rigctld {
 public:
  explicit Rigctld(quint16 port) : port_(port) { start(); }
  ~Rigctld() { stop(); }
  void start();
  void stop();
  // What the operator does on the radio itself, through rigctl.
  void set(const QStringList& commands) const;
  quint16 port() const { return port_; }

 private:
  quint16 port_;
  QProcess process_;
};

// Between the program and a rigctld: counts the program's connections,
// holds back the radio's answer to the program's next question of its mode,
// and answers a frequency above `refusedAboveHz` with the radio's refusal.
class RadioProxy {
 public:
  explicit RadioProxy(quint16 rigctldPort);
  QString address() const { return LoopbackAddress(server_.serverPort()); }
  int connections() const { return connections_; }
  // The mode is the last question of a reading: the program waits for that answer.
  void holdNextModeAnswer() { holding_ = true; }
  bool holds() const { return !held_.isEmpty(); }
  // The held answer goes to the program at once, without the window's thread.
  void release();
  double refusedAboveHz = 0;

 private:
  void take(QTcpSocket* program);

  QTcpServer server_;
  quint16 rigctldPort_;
  int connections_ = 0;
  bool holding_ = false;
  QByteArray held_;
  QPointer<QTcpSocket> heldFor_;
};
