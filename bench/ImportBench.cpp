// Importing 100,000 ADIF records written in another logger's manner: reading
// the file, turning the records into log lines and placing them in date
// order in a log that already holds 10,000 QSOs.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "BenchSupport.h"
#include "core/log/Bands.h"
#include "core/log/LogRewrite.h"
#include "core/reports/AdifImport.h"
#include "core/reports/AdifRecord.h"

namespace {

std::string Field(const char* tag, const std::string& value) { return kmb::AdifField(tag, value) + " "; }

// Distinct QSOs over a few years, UTF-8 names, lower-case tags.
std::string OtherLoggersFile(int records) {
  std::string file = "Export d'un autre carnet\r\n<adif_ver:5>3.1.4 <eoh>\r\n";
  for (int n = 0; n < records; ++n) {
    char date[16];
    std::snprintf(date, sizeof date, "20%02d%02d%02d", 15 + n % 10, 1 + n % 12, 1 + n % 28);
    char time[8];
    std::snprintf(time, sizeof time, "%02d%02d%02d", n % 24, n / 24 % 60, n % 60);
    const int department = 1 + n % 95;
    const std::string ref = (department < 10 ? "0" : "") + std::to_string(department) + std::to_string(100 + n % 900);
    file += Field("call", "f" + std::to_string(n % 9) + "abc" + std::to_string(n / 9 % 1000)) +
            Field("qso_date", date) + Field("time_on", time) +
            Field("band", std::string(kmb::kBands[n % kmb::kBandCount].adif)) + Field("mode", "SSB") +
            Field("rst_rcvd", "59") + Field("rst_sent", "59") + Field("name", "H\xC3\xA9l\xC3\xA8ne") +
            Field("sig", "KMB") + Field("sig_info", ref) + Field("qsl_rcvd", n % 3 ? "Y" : "N") + "<eor>\r\n";
  }
  return file;
}

void ImportHundredThousandRecords(benchmark::State& state) {
  const std::string file = OtherLoggersFile(100'000);
  const kmb::Lines log = SampleLog(10'000);
  for (auto _ : state) {
    const kmb::ImportPlan plan = kmb::PlanImport(kmb::ReadAdif(file).records, log);
    const kmb::Lines merged = kmb::InsertLinesByDate(log, plan.toAdd);
    benchmark::DoNotOptimize(merged.size());
  }
}

}  // namespace

BENCHMARK(ImportHundredThousandRecords)->Unit(benchmark::kMillisecond)->UseRealTime();
