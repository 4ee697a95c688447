// An import of 90,000 QSOs into a log of 9,999, scattered among its dates,
// undone and redone from the menu of the main window: the question answered,
// the check of the log, the rewrite and the list shown again.
#include <benchmark/benchmark.h>

#include <QAction>
#include <chrono>
#include <cstdio>

#include "BenchSupport.h"
#include "app/MainWindow.h"
#include "core/log/LogLine.h"
#include "core/log/LogRewrite.h"
#include "core/settings/StationCall.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The n-th of `count` QSOs spread evenly over ten years, `shift` minutes on.
kmb::Bytes DatedQso(int n, int count, int shift, const char* call) {
  const long minutes = static_cast<long>(n) * (10L * 365 * 24 * 60) / count + shift;
  const long day = minutes / (24 * 60);
  char date[16];
  std::snprintf(date, sizeof date, "%02ld/%02ld/%02ld", 1 + day % 28, 1 + day / 28 % 12, 15 + day / 336 % 10);
  char time[8];
  std::snprintf(time, sizeof time, "%02ld:%02ld", minutes / 60 % 24, minutes % 60);
  return kmb::FormatLogLine({call + std::to_string(n % 1000), "89", "JEAN", "89001", date, time, "SSB", "14 Mhz", "59",
                             "59", "LAVOIR", false});
}

kmb::Lines DatedLog(int count, int shift, const char* call) {
  kmb::Lines log;
  for (int n = 0; n < count; ++n) log.push_back(DatedQso(n, count, shift, call));
  return log;
}

void UndoAndRedoAnImport(benchmark::State& state) {
  BenchFolder bench;
  bench.messages.answer = true;
  bench.writeLog("F4ABC", kmb::InsertLinesByDate({}, DatedLog(9'999, 0, "F1A")));
  bench.settings.write(settings_keys::kSetup, settings_keys::kIndicatifStation, "F4ABC");
  MainWindow main(bench.context);
  main.start();
  const kmb::Lines imported = DatedLog(90'000, 7, "F5B");
  const Clock::time_point importing = Clock::now();
  if (!main.changeLog([&imported](kmb::Lines log) { return kmb::InsertLinesByDate(log, imported); }, {},
                      {kmb::ChangeKind::Imported, {}, imported.size()}))
    state.SkipWithError("import refused");
  const double importMs = MillisecondsSince(importing);
  auto* undo = main.findChild<QAction*>(QStringLiteral("Mnu_Annuler"));
  auto* redo = main.findChild<QAction*>(QStringLiteral("Mnu_Retablir"));
  double undoMs = 0;
  double redoMs = 0;
  for (auto _ : state) {
    const Clock::time_point undoing = Clock::now();
    undo->trigger();
    undoMs = MillisecondsSince(undoing);
    const Clock::time_point redoing = Clock::now();
    redo->trigger();
    redoMs = MillisecondsSince(redoing);
    state.SetIterationTime((undoMs + redoMs) / 1000);
  }
  if (main.listedLines().size() != 99'999) state.SkipWithError("the redo did not give the import back");
  state.counters["importer_ms"] = importMs;
  state.counters["annuler_ms"] = undoMs;
  state.counters["retablir_ms"] = redoMs;
}

}  // namespace

BENCHMARK(UndoAndRedoAnImport)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
