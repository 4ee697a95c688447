// Saving one QSO into a long log, then deleting it (rewrite, reload of the list, selection of
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
  // One QSO fewer than the size: saving one reaches it, deleting it comes back.
  bench.writeLog("F4ABC", SampleLog(static_cast<int>(state.range(0)) - 1));
  bench.settings.write(settings_keys::kSetup, settings_keys::kIndicatifStation, "F4ABC");
  MainWindow main(bench.context);
  main.start();
  const kmb::Bytes newLine =
      kmb::FormatLogLine({"F4NEW", "21", "", "21001", "06/12/14", "10:00", "CW", "7.0 Mhz", "599", "599", "C.", false});
  // As the program saves: the log as listed, its copy of the day, the list filled again.
  bool saving = true;
  for (auto _ : state) {
    const bool written =
        saving ? main.changeLog([&](kmb::Lines lines) { return kmb::AddLogLine(std::move(lines), newLine); }, {},
                                {kmb::ChangeKind::Saved, newLine, 1})
               : main.changeLog(
                     [](kmb::Lines lines) {
                       const std::size_t last = lines.size() - 1;
                       return kmb::DeleteLogLineAt(std::move(lines), last);
                     },
                     {}, {kmb::ChangeKind::Deleted, newLine, 1});
    if (!written) state.SkipWithError("rewrite failed");
    saving = !saving;
  }
}

void DurableCopy(benchmark::State& state) {
  BenchFolder bench;
  // One QSO fewer than the size: saving one reaches it, deleting it comes back.
  bench.writeLog("F4ABC", SampleLog(static_cast<int>(state.range(0)) - 1));
  const auto copy = bench.logPath.parent_path() / "copie.log";
  for (auto _ : state) {
    const kmb::ReadResult read = bench.files.readAll(bench.logPath);
    if (kmb::ReplaceFileAtomically(bench.files, copy, read.bytes)) state.SkipWithError("copy failed");
  }
}

}  // namespace

BENCHMARK(SaveOneQso)->Arg(9'999)->Arg(99'999)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(DurableCopy)->Arg(9'999)->Arg(99'999)->Unit(benchmark::kMillisecond)->UseRealTime();
