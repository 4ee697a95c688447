// Quitting while the radio's host never answers (a connection to it hangs):
// from the main window's close box to the window gone, as the program's end
// runs it. Five runs, the median and the longest.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

#include "BenchSupport.h"
#include "app/MainWindow.h"
#include "core/radio/HamlibRadio.h"
#include "support/FullListener.h"

using namespace std::chrono;
using namespace settings_keys;

static void QuitWithSilentRadioHost(benchmark::State& state) {
  std::vector<double> quits;
  for (auto _ : state) {
    const FullListener host;
    BenchFolder bench;
    bench.writeLog("F4ABC", SampleLog(100));
    bench.settings.write(kSetup, kIndicatifStation, QStringLiteral("F4ABC"));
    bench.settings.write(kSetup, kRadioModele, QString::number(kmb::kNetworkRadioModel));
    bench.settings.write(kSetup, kRadioPort, QString::fromStdString(host.address()));
    auto main = std::make_unique<MainWindow>(bench.context);
    main->start();
    QEventLoop attempt;  // the connection to the host under way
    QTimer::singleShot(milliseconds(500), &attempt, &QEventLoop::quit);
    attempt.exec();
    const auto closing = steady_clock::now();
    QTimer::singleShot(0, main.get(), [&main] { main->close(); });
    QApplication::exec();
    main.reset();
    quits.push_back(duration<double, std::milli>(steady_clock::now() - closing).count());
    state.SetIterationTime(quits.back() / 1000);
  }
  std::sort(quits.begin(), quits.end());
  state.counters["median_ms"] = quits[quits.size() / 2];
  state.counters["longest_ms"] = quits.back();
}
BENCHMARK(QuitWithSilentRadioHost)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);
