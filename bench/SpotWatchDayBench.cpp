// A day of the watch at five spots a second, its clock given rather than
// waited: every line read as the watch reads it, the new lavoirs of the last
// 15 minutes counted and announced once an hour, the node's messages kept.
// The CPU it takes for the day, and what it holds at the end.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <ctime>
#include <string>

#include "BenchSupport.h"
#include "core/cluster/SpotLine.h"
#include "core/cluster/SpotTable.h"
#include "core/cluster/SpotsOnAir.h"

namespace {

constexpr int kSpotsASecond = 5;
constexpr kmb::Minute kDay = 24 * 60;

double CpuSeconds() { return double(std::clock()) / CLOCKS_PER_SEC; }

// The n-th spot of a minute: a thousand lavoirs, a band in three, a message from the node now and then.
std::string LineOf(kmb::Minute minute, int n) {
  if (n % 100 == 99) return "Bienvenue sur le nœud, " + std::to_string(minute) + " utilisateurs";
  const std::string reference = std::to_string(10 + (minute + n) % 85) + std::to_string(100 + n % 900);
  const char* kHz = n % 3 == 0 ? "14025.0" : n % 3 == 1 ? "7025.0" : "144300.0";
  char time[8];
  std::snprintf(time, sizeof time, "%02lld%02lldZ", minute / 60 % 24, minute % 60);
  return "DX de F5AAA:  " + std::string(kHz) + "  F4N" + std::to_string(n % 500) + "  KMB " + reference + "  " + time;
}

void SpotWatchDay(benchmark::State& state) {
  for (auto _ : state) {
    const double rssBefore = ResidentMegabytes();
    const double cpuBefore = CpuSeconds();
    kmb::SpotTable table;
    kmb::AnnouncedLavoirs announced;
    kmb::NodeMessages messages;
    const kmb::WorkedReferences worked;
    std::size_t announcements = 0;
    std::size_t spots = 0;
    for (kmb::Minute minute = 0; minute < kDay; ++minute) {
      for (int n = 0; n < kSpotsASecond * 60; ++n) {
        const std::string line = LineOf(minute, n);
        if (const auto spot = kmb::ParseSpotLine(line)) {
          table.add(*spot, minute, minute);
          ++spots;
        } else {
          messages.add(line);
        }
      }
      table.expire(minute);
      for (const kmb::SpotRow* row : kmb::NewOnAir(table.rows(), worked, minute))
        announcements += announced.firstInTheHour(row->reference, row->band, minute) ? 1 : 0;
    }
    state.counters["cpu_s_for_the_day"] = CpuSeconds() - cpuBefore;
    state.counters["cpu_share_pct"] = 100 * (CpuSeconds() - cpuBefore) / (24 * 3600);
    state.counters["rss_gain_MB"] = ResidentMegabytes() - rssBefore;
    state.counters["rows"] = double(table.rows().size());
    state.counters["spots"] = double(spots);
    state.counters["announced_kept"] = double(announced.remembered());
    state.counters["messages"] = double(messages.lines().size());
    state.counters["announcements"] = double(announcements);
  }
}

}  // namespace

BENCHMARK(SpotWatchDay)->Unit(benchmark::kSecond)->Iterations(1);
