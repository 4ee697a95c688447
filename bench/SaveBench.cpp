// Saving one QSO into a long log (rewrite, reload of the list, selection of
// the last row), next to a plain durable copy of the same file.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <filesystem>

#include "BenchSupport.h"
#include "app/AppContext.h"
#include "app/MainWindow.h"
#include "log/LogLine.h"
#include "log/LogRewrite.h"

namespace {


void SaveOneQso(benchmark::State& state) {
  BenchFolder bench;
  bench.writeLog("F4ABC", SampleLog(static_cast<int>(state.range(0))));
  bench.settings.write(settings_keys::kSetup, settings_keys::kIndicatifStation, "F4ABC");
  MainWindow main(bench.context);
  main.start();
  const kmb::Bytes newLine = kmb::FormatLogLine(
      {"F4NEW", "21", "", "21001", "06/12/14", "10:00", "CW", "7.0 Mhz", "599", "599", "C.", false});
  for (auto _ : state) {
    const kmb::LinesResult log = kmb::RewriteLogFile(bench.files, bench.logPath, "Temporaire.txt",
                                                     [&](const kmb::Lines& lines) { return kmb::AddLogLine(lines, newLine); });
    if (log.error) state.SkipWithError("rewrite failed");
    main.listLog(log.lines);
    main.selectLastRow();
  }
}

void DurableCopy(benchmark::State& state) {
  BenchFolder bench;
  bench.writeLog("F4ABC", SampleLog(static_cast<int>(state.range(0))));
  const auto copy = bench.logPath.parent_path() / "copie.log";
  for (auto _ : state) {
    const kmb::ReadResult read = bench.files.readAll(bench.logPath);
    if (kmb::ReplaceFileAtomically(bench.files, copy, bench.logPath.parent_path() / "copie.tmp", read.bytes))
      state.SkipWithError("copy failed");
  }
}

}  // namespace

BENCHMARK(SaveOneQso)->Arg(9'999)->Arg(99'999)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(DurableCopy)->Arg(9'999)->Arg(99'999)->Unit(benchmark::kMillisecond)->UseRealTime();
