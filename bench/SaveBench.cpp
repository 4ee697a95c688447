// Saving one QSO into a long log (rewrite, reload of the list, selection of
// the last row), next to a plain durable copy of the same file.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <filesystem>

#include "BenchSupport.h"
#include "app/MainWindow.h"
#include "core/log/LogEdit.h"
#include "core/log/LogLine.h"
#include "core/log/LogRewrite.h"
#include "ui/kit/AppContext.h"

namespace {

void SaveOneQso(benchmark::State& state) {
  BenchFolder bench;
  bench.writeLog("F4ABC", SampleLog(static_cast<int>(state.range(0))));
  bench.settings.write(settings_keys::kSetup, settings_keys::kIndicatifStation, "F4ABC");
  MainWindow main(bench.context);
  main.start();
  const kmb::Bytes newLine =
      kmb::FormatLogLine({"F4NEW", "21", "", "21001", "06/12/14", "10:00", "CW", "7.0 Mhz", "599", "599", "C.", false});
  kmb::LogSnapshot listed = kmb::ReadLogSnapshot(bench.files, bench.logPath).snapshot;
  const kmb::LogEdit edit{bench.logPath.parent_path(), "F4ABC",
                          [&](const kmb::Lines& lines) { return kmb::AddLogLine(lines, newLine); }};
  for (auto _ : state) {
    const kmb::EditResult written = kmb::EditLog(bench.files, listed, edit);
    if (!written.done()) state.SkipWithError("rewrite failed");
    main.listWrittenLog(written.lines);
    listed = kmb::LogSnapshot{kmb::DecodedLog{written.lines}, true};
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
