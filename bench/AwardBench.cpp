// The award windows on a full log of 99,999 QSOs: reading, counting and
// filling the controls, without painting.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QShowEvent>
#include <QTemporaryDir>
#include <memory>

#include "BenchSupport.h"
#include "core/award/ContactedList.h"
#include "core/log/LogFile.h"
#include "core/log/LogLine.h"
#include "core/log/LogSnapshot.h"
#include "ui/award/ContactedListWindow.h"
#include "ui/award/DiplomaWindow.h"
#include "ui/award/MapWindow.h"
#include "ui/award/ScoreWindow.h"
#include "ui/kit/AppContext.h"
#include "ui/kit/LiveSpots.h"
#include "ui/kit/LogbookView.h"

namespace {

class BenchLogbook final : public LogbookView {
 public:
  std::string stationCall() const override { return "F4ABC"; }
  const kmb::Lines& listedLines() const override { return lines_; }
  void selectListRow(int) override {}

 private:
  kmb::Lines lines_;
};

// A few departments with lavoirs on the air, whatever the group.
class BenchSpots final : public LiveSpots {
 public:
  std::map<std::string, int> departmentsOnAir(std::string_view) const override {
    return {{"21", 1}, {"2a", 2}, {"89", 3}};
  }
  void showDepartment(const std::string&) override {}
};

// A program folder holding the full log.
struct Station {
  Station() { folder.writeLog("F4ABC", SampleLog(static_cast<int>(kmb::kMaxListedLines))); }
  BenchFolder folder;
  AppContext& context = folder.context;
  kmb::DiskFileSystem& files = folder.files;
  BenchLogbook logbook;
  BenchSpots spots;
};

// Opens a window as the program does: it reads the log once it is shown
// (the show event alone, so painting stays out of the figure).
template <typename Window>
void Opened(Window& window) {
  QShowEvent shown;
  QCoreApplication::sendEvent(&window, &shown);
  QCoreApplication::processEvents();
}

Station& FullStation() {
  static Station station;
  return station;
}

void ReadLog(benchmark::State& state) {
  Station& s = FullStation();
  for (auto _ : state)
    benchmark::DoNotOptimize(kmb::ReadLogLines(s.files, kmb::LogFilePath(s.context.programFolder, "F4ABC")));
}

// The core alone, on a log already in memory.
void ContactedListSorting(benchmark::State& state) {
  const kmb::Lines log = SampleLog(static_cast<int>(kmb::kMaxListedLines));
  for (auto _ : state) benchmark::DoNotOptimize(kmb::ListContacted(log, kmb::kHf));
}

void ScoresCounting(benchmark::State& state) {
  const kmb::Lines log = SampleLog(static_cast<int>(kmb::kMaxListedLines));
  for (auto _ : state) benchmark::DoNotOptimize(kmb::CountGroup(log, kmb::kHf));
}

void ScoresWindow(benchmark::State& state) {
  Station& s = FullStation();
  for (auto _ : state) {
    ScoreWindow window(s.context, s.logbook);
    Opened(window);
  }
}

void HfDiplomaWindow(benchmark::State& state) {
  Station& s = FullStation();
  for (auto _ : state) {
    DiplomaWindow window(s.context, s.logbook, HfDiplomaFace());
    Opened(window);
  }
}

void VhfDiplomaWindow(benchmark::State& state) {
  Station& s = FullStation();
  for (auto _ : state) {
    DiplomaWindow window(s.context, s.logbook, VhfDiplomaFace());
    Opened(window);
  }
}

void MapWindowOpening(benchmark::State& state) {
  Station& s = FullStation();
  for (auto _ : state) {
    MapWindow window(s.context, s.logbook, s.spots);
    Opened(window);
  }
}

void MapWindowGroupChange(benchmark::State& state) {
  Station& s = FullStation();
  MapWindow window(s.context, s.logbook, s.spots);
  Opened(window);
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
