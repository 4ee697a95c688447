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

kmb::Bytes LogOf(int qsoCount) {
  kmb::Lines lines;
  lines.reserve(static_cast<std::size_t>(qsoCount));
  for (int i = 0; i < qsoCount; ++i) {
    const std::string ref = std::to_string(10000 + i % 90000).substr(0, 5);
    lines.push_back(kmb::FormatLogLine(
        {"F" + std::to_string(i % 10) + "ABC", "89", "PAUL", ref, "05/12/14", "09:07", "SSB", "14 Mhz", "59", "57",
         "LAVOIR DU BOURG", i % 3 == 0}));
  }
  return kmb::JoinLines(lines);
}

struct Bench {
  explicit Bench(int qsoCount)
      : settings(dir.filePath("KMB.ini")),
        context{dir.path().toStdString(), files, messages, settings, clock, printers},
        logPath(kmb::LogFilePath(context.programFolder, "F4ABC")),
        log(LogOf(qsoCount)) {
    settings.write(settings_keys::kSetup, settings_keys::kIndicatifStation, "F4ABC");
    (void)files.writeAll(logPath, log);
  }
  QTemporaryDir dir;
  kmb::DiskFileSystem files;
  SilentMessenger messages;
  SettingsStore settings;
  kmb::SystemClock clock;
  NoPrinter printers;
  AppContext context;
  std::filesystem::path logPath;
  kmb::Bytes log;
};

void SaveOneQso(benchmark::State& state) {
  Bench bench(static_cast<int>(state.range(0)));
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
  Bench bench(static_cast<int>(state.range(0)));
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
