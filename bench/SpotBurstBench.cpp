// A burst of 10,000 spot lines from a node on loopback into "Spots KMB", over
// a log of 10,000 QSOs: the time until the list shows the last spot, the
// window's longest wait for a key meanwhile (a 5 ms timer's worst lateness),
// the rows kept and the memory the process gained.
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
#include <future>
#include <thread>

#include "BenchSupport.h"
#include "app/MainWindow.h"
#include "core/log/Bands.h"
#include "ui/cluster/SpotsWindow.h"

namespace {

constexpr int kBurst = 10'000;

QByteArray TimeOf(const kmb::ClockReading& now, int minutesAgo) {
  const int minute = ((now.hour * 60 + now.minute - minutesAgo) % 1440 + 1440) % 1440;
  return QByteArray::number(minute / 60).rightJustified(2, '0') +
         QByteArray::number(minute % 60).rightJustified(2, '0');
}

// Every 5th spot names no reference; the others name 400 wash-houses, heard on 11 bands by 700 stations.
QByteArray Burst(const kmb::ClockReading& now) {
  QByteArray burst;
  for (int n = 0; n < kBurst; ++n) {
    const kmb::Band& band = kmb::kBands[std::size_t(n % 11)];
    const QByteArray kHz = QByteArray::number(band.lowMhz * 1000 + 1, 'f', 1);
    const QByteArray ref = QByteArray::number(1 + n % 95).rightJustified(2, '0') + QByteArray::number(100 + n % 400);
    const QByteArray comment = n % 5 == 0 ? "CQ DX up 2" : "KMB " + ref + " lavoir du bourg CW";
    burst += "DX de F5S" + QByteArray::number(n % 50) + ":  " + kHz + "  F" + QByteArray::number(n % 700) + "ABC  " +
             comment + "  " + TimeOf(now, 1 + n % 100) + "Z JN18\r\n";
  }
  return burst + "DX de F5END:  14025.0  F4END  KMB 89999  " + TimeOf(now, 0) + "Z\r\n";
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

std::atomic<long long> burstStart{0};

// The node, in a thread of its own as a real one is in a process of its own.
void Node(std::promise<quint16> port, QByteArray burst, std::shared_future<void> done) {
  QTcpServer server;
  server.listen(QHostAddress::LocalHost, 0);
  port.set_value(server.serverPort());
  if (!server.waitForNewConnection(10'000)) return;
  QTcpSocket* socket = server.nextPendingConnection();
  socket->write("login: ");
  if (!ReadUntil(*socket, "F4ABC\r\n")) return;
  socket->write("F4ABC de NODE-1 >");
  if (!ReadUntil(*socket, "sh/dx 50\r\n")) return;
  burstStart = SteadyMs();
  socket->write(burst);
  while (socket->bytesToWrite() > 0) socket->waitForBytesWritten(10'000);
  done.wait();
}

double ResidentMegabytes() {
  long pages = 0, resident = 0;
  if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(statm);
  }
  return double(resident) * double(sysconf(_SC_PAGESIZE)) / 1e6;
}

void SpotBurst(benchmark::State& state) {
  for (auto _ : state) {
    BenchFolder bench;
    bench.writeLog("F4ABC", SampleLog(10'000));
    bench.settings.write(settings_keys::kSetup, settings_keys::kIndicatifStation, "F4ABC");
    MainWindow main(bench.context);
    main.start();
    std::promise<quint16> port;
    std::future<quint16> portKnown = port.get_future();
    std::promise<void> finished;
    std::thread node(Node, std::move(port), Burst(bench.clock.utcNow()), finished.get_future().share());
    bench.settings.write(settings_keys::kSetup, settings_keys::kClusterNoeud,
                         QStringLiteral("127.0.0.1:%1").arg(portKnown.get()));
    const double before = ResidentMegabytes();
    SpotsWindow spots(main);
    spots.show();
    const QAbstractItemModel& list = *spots.findChild<QTableView*>(QStringLiteral("Liste_Spots"))->model();
    QElapsedTimer clock, sinceTick;
    qint64 worstWait = 0;
    QTimer tick;
    QEventLoop loop;
    QObject::connect(&tick, &QTimer::timeout, [&] {
      worstWait = std::max(worstWait, sinceTick.restart() - 5);
      if (list.rowCount() > 0 && list.index(0, 2).data().toString() == QStringLiteral("F4END")) loop.quit();
    });
    QTimer::singleShot(60'000, &loop, &QEventLoop::quit);
    clock.start();
    sinceTick.start();
    tick.start(5);
    loop.exec();
    const qint64 listed = clock.elapsed();
    state.counters["listed_after_burst_start_ms"] = double(SteadyMs() - burstStart);
    state.SetIterationTime(double(listed) / 1000);
    state.counters["worst_wait_ms"] = double(worstWait);
    state.counters["rows"] = list.rowCount();
    state.counters["rss_gain_MB"] = ResidentMegabytes() - before;
    finished.set_value();
    node.join();
  }
}

}  // namespace

BENCHMARK(SpotBurst)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);
