// The radio as the entry sees it: how soon a turn of the dial reaches the
// entry, and what the polling costs while nothing changes.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QEventLoop>
#include <QProcess>
#include <QTcpServer>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <vector>

#include "BenchSupport.h"
#include "core/radio/HamlibRadio.h"
#include "ui/radio/RadioLink.h"

using namespace std::chrono;
using namespace settings_keys;

namespace {

// A rigctld with Hamlib's dummy radio on a free loopback port.
class DummyRigctld {
 public:
  DummyRigctld() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    address_ = QStringLiteral("127.0.0.1:%1").arg(probe.serverPort());
    const QString port = QString::number(probe.serverPort());
    probe.close();
    process_.start(QStringLiteral("rigctld"), {"-m", "1", "-T", "127.0.0.1", "-t", port});
    process_.waitForStarted();
  }
  ~DummyRigctld() {
    process_.kill();
    process_.waitForFinished();
  }
  const QString& address() const { return address_; }

 private:
  QString address_;
  QProcess process_;
};

// Runs the window's event loop until `done` or `limit`.
template <typename Signal>
bool WaitFor(RadioLink& link, Signal signal, milliseconds limit) {
  QEventLoop loop;
  QTimer::singleShot(limit, &loop, [&loop] { loop.exit(1); });
  QObject::connect(&link, signal, &loop, [&loop] { loop.exit(0); });
  return loop.exec() == 0;
}

double CpuSeconds() {
  rusage used{};
  getrusage(RUSAGE_SELF, &used);
  const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
  return seconds(used.ru_utime) + seconds(used.ru_stime);
}

// The link to the rigctld's radio, once it has answered.
void Connect(BenchFolder& folder, RadioLink& link, const DummyRigctld& rigctld) {
  folder.settings.write(kSetup, kRadioModele, QString::number(kmb::kNetworkRadioModel));
  folder.settings.write(kSetup, kRadioPort, rigctld.address());
  link.useStoredSetup();
  while (!link.frequencyHz()) WaitFor(link, &RadioLink::statusChanged, seconds(5));
}

}  // namespace

// From a frequency set on the radio (by a second program, as the dial) to the
// entry told of it: 100 changes, median and 95th percentile.
static void RadioChangeToEntry(benchmark::State& state) {
  BenchFolder folder;
  DummyRigctld rigctld;
  RadioLink link(folder.settings, nullptr);
  Connect(folder, link, rigctld);
  kmb::HamlibRadio dial({kmb::kNetworkRadioModel, rigctld.address().toStdString(), 0});
  std::vector<double> latencies;
  for (auto _ : state) {
    for (int change = 0; change < 100; ++change) {
      // Each wait also lets the next change fall anywhere in the poll's period.
      QEventLoop pause;
      QTimer::singleShot(milliseconds(37 * change % 500), &pause, &QEventLoop::quit);
      pause.exec();
      dial.tune(14'074'000 + 10 * change, "USB");
      const auto changed = steady_clock::now();
      if (!WaitFor(link, &RadioLink::tuned, seconds(5))) state.SkipWithError("the entry was never told");
      latencies.push_back(duration<double, std::milli>(steady_clock::now() - changed).count());
    }
  }
  std::sort(latencies.begin(), latencies.end());
  state.counters["median_ms"] = latencies[latencies.size() / 2];
  state.counters["p95_ms"] = latencies[latencies.size() * 95 / 100];
}
BENCHMARK(RadioChangeToEntry)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// The program's CPU time while it polls a radio that does not change, for
// KMB_IDLE_SECONDS (60 by default), scaled to an hour.
static void IdlePollingCpu(benchmark::State& state) {
  BenchFolder folder;
  DummyRigctld rigctld;
  RadioLink link(folder.settings, nullptr);
  Connect(folder, link, rigctld);
  const int idleSeconds =
      qEnvironmentVariableIntValue("KMB_IDLE_SECONDS") > 0 ? qEnvironmentVariableIntValue("KMB_IDLE_SECONDS") : 60;
  for (auto _ : state) {
    const double before = CpuSeconds();
    QEventLoop idle;
    QTimer::singleShot(seconds(idleSeconds), &idle, &QEventLoop::quit);
    idle.exec();
    const double used = CpuSeconds() - before;
    state.counters["cpu_s"] = used;
    state.counters["cpu_s_per_hour"] = used * 3600 / idleSeconds;
  }
}
BENCHMARK(IdlePollingCpu)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
