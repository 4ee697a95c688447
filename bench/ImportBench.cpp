// Importing 100,000 ADIF records written in another logger's manner: reading
// the file, turning the records into log lines and placing them in date
// order in a log that already holds 10,000 QSOs; and reading a 64 MB file of
// records of some 25 fields each, as far as the summary.
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

// The n-th QSO's date, time and department: distinct QSOs over a few years.
struct QsoMoment {
  std::string date;
  std::string time;
  std::string dpt;
};

QsoMoment MomentOf(int n) {
  char date[16];
  std::snprintf(date, sizeof date, "20%02d%02d%02d", 15 + n % 10, 1 + n % 12, 1 + n % 28);
  char time[8];
  std::snprintf(time, sizeof time, "%02d%02d%02d", n % 24, n / 24 % 60, n % 60);
  const int department = 1 + n % 95;
  return {date, time, (department < 10 ? "0" : "") + std::to_string(department)};
}

// UTF-8 names, lower-case tags.
std::string OtherLoggersFile(int records) {
  std::string file = "Export d'un autre carnet\r\n<adif_ver:5>3.1.4 <eoh>\r\n";
  for (int n = 0; n < records; ++n) {
    const auto [date, time, dpt] = MomentOf(n);
    const std::string ref = dpt + std::to_string(100 + n % 900);
    file += Field("call", "f" + std::to_string(n % 9) + "abc" + std::to_string(n / 9 % 1000)) +
            Field("qso_date", date) + Field("time_on", time) +
            Field("band", std::string(kmb::kBands[n % kmb::kBandCount].adif)) + Field("mode", "SSB") +
            Field("rst_rcvd", "59") + Field("rst_sent", "59") + Field("name", "H\xC3\xA9l\xC3\xA8ne") +
            Field("sig", "KMB") + Field("sig_info", ref) + Field("qsl_rcvd", n % 3 ? "Y" : "N") + "<eor>\r\n";
  }
  return file;
}

// What a general logger writes for each QSO: some 30 upper-case fields, a
// long comment, UTF-8 accents counted in bytes; about 640 bytes a record.
std::string GeneralLoggersFile(int records) {
  std::string file = "Export d'un carnet g\xC3\xA9n\xC3\xA9ral\r\n<ADIF_VER:5>3.1.4 <PROGRAMID:6>Autre1 <EOH>\r\n";
  for (int n = 0; n < records; ++n) {
    const auto [date, time, dpt] = MomentOf(n);
    const kmb::Band& band = kmb::kBands[n % kmb::kBandCount];
    const std::string call = "F" + std::to_string(n % 9) + "ABC" + std::to_string(n / 9 % 1000);
    file += Field("CALL", call) + Field("BAND", std::string(band.adif)) + Field("FREQ", "14.250") +
            Field("MODE", "SSB") + Field("SUBMODE", "USB") + Field("QSO_DATE", date) + Field("TIME_ON", time) +
            Field("QSO_DATE_OFF", date) + Field("TIME_OFF", time) + Field("RST_SENT", "59") + Field("RST_RCVD", "57") +
            Field("NAME", "Jos\xC3\xA9 Martin") + Field("QTH", "Saint-\xC3\x89tienne") + Field("GRIDSQUARE", "JN25ak") +
            Field("COMMENT", "Lavoir du moulin, signal fort, QSB l\xC3\xA9ger ; merci pour le QSO et 73 !") +
            Field("SIG", "KMB") + Field("SIG_INFO", dpt + std::to_string(100 + n % 900)) + Field("STATE", dpt) +
            Field("CNTY", "Loire") + Field("COUNTRY", "France") + Field("DXCC", "227") + Field("CQZ", "14") +
            Field("ITUZ", "27") + Field("OPERATOR", "F4KMB") + Field("STATION_CALLSIGN", "F4KMB") +
            Field("MY_GRIDSQUARE", "JN18eu") + Field("TX_PWR", "100") + Field("QSL_RCVD", n % 3 ? "Y" : "N") +
            Field("QSL_SENT", "N") + Field("LOTW_QSL_RCVD", "N") +
            Field("NOTES", "Entendu sur le cluster, appel\xC3\xA9 deux fois avant de r\xC3\xA9pondre") + "<EOR>\r\n";
  }
  return file;
}

// From the file's bytes to what the summary shows, against a log of 10,000 QSOs.
void ReadAndPlanSixtyFourMegabytes(benchmark::State& state) {
  const std::string file = GeneralLoggersFile(100'000);
  const kmb::Lines log = SampleLog(10'000);
  for (auto _ : state) {
    const kmb::AdifFile adif = kmb::ReadAdif(file);
    const kmb::ImportPlan plan = kmb::PlanImport(adif, log);
    benchmark::DoNotOptimize(plan.toAdd.size());
  }
  state.counters["MB"] = double(file.size()) / 1e6;
}

void ImportHundredThousandRecords(benchmark::State& state) {
  const std::string file = OtherLoggersFile(100'000);
  const kmb::Lines log = SampleLog(10'000);
  for (auto _ : state) {
    const kmb::ImportPlan plan = kmb::PlanImport(kmb::ReadAdif(file), log);
    const kmb::Lines merged = kmb::InsertLinesByDate(log, plan.toAdd);
    benchmark::DoNotOptimize(merged.size());
  }
}

}  // namespace

BENCHMARK(ImportHundredThousandRecords)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ReadAndPlanSixtyFourMegabytes)->Unit(benchmark::kMillisecond)->UseRealTime();
