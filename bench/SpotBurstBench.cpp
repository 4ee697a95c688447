// Spots from a node on loopback into "Spots KMB", over a log of 10,000 QSOs:
// a burst of 10,000 lines at once, and a stream of 20 spots a second for five
// minutes (KMB_STREAM_SECONDS). For each, the spots lost (of the 500 newest
// the list must show, newest first, those it does not show in their place),
// the window's longest wait for a key meanwhile (a 5 ms timer's worst
// lateness), and for the burst the time until its last spot is listed and
// the memory the process gained.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTableView>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <future>
#include <thread>

#include "BenchSupport.h"
#include "app/MainWindow.h"
#include "core/log/Bands.h"
#include "ui/cluster/SpotListModel.h"
#include "ui/cluster/SpotWatch.h"
#include "ui/cluster/SpotsWindow.h"

namespace {

constexpr int kBurst = 10'000;
constexpr int kShown = 500;

QByteArray TimeOf(const kmb::ClockReading& now, int minutesAgo) {
  const int minute = ((now.hour * 60 + now.minute - minutesAgo) % 1440 + 1440) % 1440;
  return QByteArray::number(minute / 60).rightJustified(2, '0') +
         QByteArray::number(minute % 60).rightJustified(2, '0');
}

QByteArray CallOf(int n) { return "F" + QByteArray::number(n) + "ABC"; }

// Spot n: a station of its own, a wash-house among 400 of 95 departments, on one of the entry's 11 bands.
QByteArray SpotLine(int n, const kmb::ClockReading& now, int minutesAgo) {
  const kmb::Band& band = kmb::kBands[std::size_t(n % 11)];
  const QByteArray kHz = QByteArray::number(band.lowMhz * 1000 + 1, 'f', 1);
  const QByteArray ref = QByteArray::number(1 + n % 95).rightJustified(2, '0') + QByteArray::number(100 + n % 400);
  return "DX de F5S" + QByteArray::number(n % 50) + ":  " + kHz + "  " + CallOf(n) + "  KMB " + ref +
         " lavoir du bourg CW  " + TimeOf(now, minutesAgo) + "Z JN18\r\n";
}

bool ReadUntil(QTcpSocket& socket, const QByteArray& ending) {
  QByteArray got;
  while (!got.endsWith(ending))
    if (!socket.waitForReadyRead(10'000))
      return false;
    else
      got += socket.readAll();
  return true;
}

long long SteadyMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

std::atomic<long long> firstSpotSent{0};

// The node, in a thread of its own as a real one is in a process of its own:
// the login, then the spots `line` makes, all at once or one every `pace`.
void Node(std::promise<quint16> port, int count, std::function<QByteArray(int)> line, std::chrono::milliseconds pace,
          std::shared_future<void> done) {
  QTcpServer server;
  server.listen(QHostAddress::LocalHost, 0);
  port.set_value(server.serverPort());
  if (!server.waitForNewConnection(10'000)) return;
  QTcpSocket* socket = server.nextPendingConnection();
  socket->write("login: ");
  if (!ReadUntil(*socket, "F4ABC\r\n")) return;
  socket->write("F4ABC de NODE-1 >");
  if (!ReadUntil(*socket, "sh/dx 50\r\n")) return;
  firstSpotSent = SteadyMs();
  const auto start = std::chrono::steady_clock::now();
  for (int n = 0; n < count; ++n) {
    socket->write(line(n));
    if (pace.count() == 0) continue;
    socket->waitForBytesWritten(1000);
    std::this_thread::sleep_until(start + pace * (n + 1));
  }
  while (socket->bytesToWrite() > 0) socket->waitForBytesWritten(10'000);
  done.wait();
}

// The newest 500 spots sent, newest first, that the list does not show in their place.
int LostSpots(const QAbstractItemModel& list, int count) {
  int lost = 0;
  for (int row = 0; row < kShown; ++row)
    if (list.index(row, SpotListModel::Call).data().toString().toLatin1() != CallOf(count - 1 - row)) ++lost;
  return lost;
}

struct Run {
  double listedMs = 0;  // from the first spot sent to the last one listed
  qint64 worstWaitMs = 0;
  int lost = 0;
  int rows = 0;
};

// Spots from the node into a spots window over a 10,000-QSO log, until the last one is at the top of the list.
Run ListSpots(int count, std::function<QByteArray(int)> line, std::chrono::milliseconds pace) {
  BenchFolder bench;
  bench.writeLog("F4ABC", SampleLog(10'000));
  bench.settings.write(settings_keys::kSetup, settings_keys::kIndicatifStation, "F4ABC");
  MainWindow main(bench.context);
  main.start();
  std::promise<quint16> port;
  std::future<quint16> portKnown = port.get_future();
  std::promise<void> finished;
  std::thread node(Node, std::move(port), count, std::move(line), pace, finished.get_future().share());
  bench.settings.write(settings_keys::kSetup, settings_keys::kClusterNoeud,
                       QStringLiteral("127.0.0.1:%1").arg(portKnown.get()));
  SpotsWindow spots(main, *main.findChild<SpotWatch*>());
  spots.show();
  const QAbstractItemModel& list = *spots.findChild<QTableView*>(QStringLiteral("Liste_Spots"))->model();
  const QString last = QString::fromLatin1(CallOf(count - 1));
  Run run;
  QElapsedTimer sinceTick;
  QTimer tick;
  QEventLoop loop;
  QObject::connect(&tick, &QTimer::timeout, [&] {
    run.worstWaitMs = std::max(run.worstWaitMs, sinceTick.restart() - 5);
    if (list.rowCount() > 0 && list.index(0, SpotListModel::Call).data().toString() == last) loop.quit();
  });
  QTimer::singleShot(pace * count + std::chrono::seconds(60), &loop, &QEventLoop::quit);
  sinceTick.start();
  tick.start(5);
  loop.exec();
  run.listedMs = double(SteadyMs() - firstSpotSent);
  run.lost = LostSpots(list, count);
  run.rows = list.rowCount();
  finished.set_value();
  node.join();
  return run;
}

void Report(benchmark::State& state, const Run& run) {
  state.counters["listed_after_first_spot_ms"] = run.listedMs;
  state.counters["worst_wait_ms"] = double(run.worstWaitMs);
  state.counters["lost"] = run.lost;
  state.counters["rows"] = run.rows;
}

void SpotBurst(benchmark::State& state) {
  for (auto _ : state) {
    const double before = ResidentMegabytes();
    const kmb::ClockReading now = kmb::SystemClock().utcNow();
    // A hundred spots a minute over the last hundred minutes, in the order they were made.
    const Run run = ListSpots(
        kBurst, [now](int n) { return SpotLine(n, now, 100 - n / 100); }, std::chrono::milliseconds(0));
    state.SetIterationTime(run.listedMs / 1000);
    Report(state, run);
    state.counters["rss_gain_MB"] = ResidentMegabytes() - before;
  }
}

// 20 spots a second, each made as it is sent.
void SpotStream(benchmark::State& state) {
  const int seconds =
      qEnvironmentVariableIntValue("KMB_STREAM_SECONDS") > 0 ? qEnvironmentVariableIntValue("KMB_STREAM_SECONDS") : 300;
  for (auto _ : state) {
    const Run run = ListSpots(
        seconds * 20, [](int n) { return SpotLine(n, kmb::SystemClock().utcNow(), 0); }, std::chrono::milliseconds(50));
    state.SetIterationTime(run.listedMs / 1000);
    Report(state, run);
  }
}

}  // namespace

BENCHMARK(SpotBurst)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(SpotStream)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
