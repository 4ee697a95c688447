// The award windows on a full log of 99,999 QSOs: reading, counting and
// filling the controls, without painting.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

#include "BenchSupport.h"
#include "app/AppContext.h"
#include "app/LogbookView.h"
#include "award/ContactedList.h"
#include "award/ContactedListWindow.h"
#include "award/DiplomaWindow.h"
#include "award/MapWindow.h"
#include "award/ScoreWindow.h"
#include "log/LogFile.h"
#include "log/LogLine.h"

namespace {

class BenchLogbook final : public LogbookView {
 public:
  std::string stationCall() const override { return "F4ABC"; }
  const std::vector<kmb::Bytes>& listRows() const override { return rows_; }
  void selectListRow(int) override {}

 private:
  std::vector<kmb::Bytes> rows_;
};

kmb::Lines FullLog() {
  const char* bands[] = {"1.8 Mhz", "3.5 Mhz", "7.0 Mhz", "10 Mhz", "14 Mhz", "18 Mhz",
                         "21 Mhz",  "24 Mhz",  "28 Mhz",  "50 Mhz", "144 Mhz", "432 Mhz"};
  kmb::Lines log;
  for (int n = 0; n < static_cast<int>(kmb::kMaxListedLines); ++n) {
    const int department = 1 + n % 95;
    const std::string dpt = (department < 10 ? "0" : "") + std::to_string(department);
    const std::string ref = dpt + std::to_string(100 + n % 900);
    log.push_back(kmb::FormatLogLine({"F" + std::to_string(n % 9) + "ABC", dpt, "JEAN", ref, "05/12/26", "09:07", "SSB",
                                      bands[n % 12], "59", "59", "LAVOIR DU PONT", n % 3 != 0}));
  }
  return log;
}

// A program folder holding the full log, and the seams the windows use.
struct Station {
  Station()
      : settings(dir.filePath(QStringLiteral("KMB.ini"))),
        context{dir.path().toStdString(), files, messages, settings, clock, printers} {
    (void)files.writeAll(kmb::LogFilePath(context.programFolder, logbook.stationCall()), kmb::JoinLines(FullLog()));
  }
  QTemporaryDir dir;
  kmb::DiskFileSystem files;
  SilentMessenger messages;
  SettingsStore settings;
  kmb::SystemClock clock;
  NoPrinter printers;
  AppContext context;
  BenchLogbook logbook;
};

Station& FullStation() {
  static Station station;
  return station;
}

void ReadLog(benchmark::State& state) {
  Station& s = FullStation();
  for (auto _ : state)
    benchmark::DoNotOptimize(kmb::ReadLines(s.files, kmb::LogFilePath(s.context.programFolder, "F4ABC")));
}

// The core alone, on a log already in memory.
void ContactedListSorting(benchmark::State& state) {
  const kmb::Lines log = FullLog();
  for (auto _ : state) benchmark::DoNotOptimize(kmb::ListContacted(log, kmb::kHf));
}

void ScoresCounting(benchmark::State& state) {
  const kmb::Lines log = FullLog();
  for (auto _ : state) benchmark::DoNotOptimize(kmb::CountGroup(log, kmb::kHf));
}

void ScoresWindow(benchmark::State& state) {
  Station& s = FullStation();
  for (auto _ : state) ScoreWindow window(s.context, s.logbook);
}

void HfDiplomaWindow(benchmark::State& state) {
  Station& s = FullStation();
  for (auto _ : state) DiplomaWindow window(s.context, s.logbook, HfDiplomaFace());
}

void VhfDiplomaWindow(benchmark::State& state) {
  Station& s = FullStation();
  for (auto _ : state) DiplomaWindow window(s.context, s.logbook, VhfDiplomaFace());
}

void MapWindowOpening(benchmark::State& state) {
  Station& s = FullStation();
  for (auto _ : state) MapWindow window(s.context, s.logbook);
}

void MapWindowGroupChange(benchmark::State& state) {
  Station& s = FullStation();
  MapWindow window(s.context, s.logbook);
  auto* group = window.findChild<QComboBox*>(QStringLiteral("Bande_Carte"));
  int next = 1;
  for (auto _ : state) group->setCurrentIndex(next++ % 3);
}

void ContactedListDisplay(benchmark::State& state) {
  Station& s = FullStation();
  ContactedListWindow window(s.context, s.logbook);
  auto* afficher = window.findChild<QPushButton*>(QStringLiteral("Afficher"));
  for (auto _ : state) afficher->click();
}

}  // namespace

BENCHMARK(ReadLog)->Unit(benchmark::kMillisecond);
BENCHMARK(ScoresCounting)->Unit(benchmark::kMillisecond);
BENCHMARK(ContactedListSorting)->Unit(benchmark::kMillisecond);
BENCHMARK(ScoresWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(HfDiplomaWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(VhfDiplomaWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(MapWindowOpening)->Unit(benchmark::kMillisecond);
BENCHMARK(MapWindowGroupChange)->Unit(benchmark::kMillisecond);
BENCHMARK(ContactedListDisplay)->Unit(benchmark::kMillisecond);
