// A confirmation service's report of 10,000 confirmed QSOs read against a
// log of 99,999 QSOs: from the file chosen to the summary built, as the
// "QSL reçues" window does it (the reading, the matching, the summary's lists).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "BenchSupport.h"
#include "core/log/Bands.h"
#include "core/log/LogLine.h"
#include "core/reports/AdifRecord.h"
#include "core/reports/ConfirmationMatch.h"
#include "ui/reports/ConfirmationSummaryDialog.h"

namespace {

constexpr int kLogQsos = 99'999;
constexpr int kConfirmations = 10'000;

// The n-th QSO: `calls` stations, worked again and again over ten years.
struct Qso {
  std::string call;
  int year, month, day, hour, minute;
  const kmb::Band& band;
};

Qso QsoOf(int n, int calls) {
  return {"F" + std::to_string(n % 9) + "K" + std::to_string(n % calls),
          2015 + n % 10,
          1 + n / 10 % 12,
          1 + n / 120 % 28,
          n / 7 % 24,
          n % 60,
          kmb::kBands[n % kmb::kBandCount]};
}

std::string TwoDigits(int value) {
  char text[4];
  std::snprintf(text, sizeof text, "%02d", value % 100);
  return text;
}

kmb::Lines LogOf(int calls) {
  kmb::Lines log;
  for (int n = 0; n < kLogQsos; ++n) {
    const Qso q = QsoOf(n, calls);
    log.push_back(kmb::FormatLogLine({q.call, "89", "JEAN", "89001",
                                      TwoDigits(q.day) + "/" + TwoDigits(q.month) + "/" + TwoDigits(q.year),
                                      TwoDigits(q.hour) + ":" + TwoDigits(q.minute), "SSB", std::string(q.band.label),
                                      "59", "59", "LAVOIR", false}));
  }
  return log;
}

// Every tenth QSO confirmed, its time a few minutes off as services give it.
std::string ServiceReport(int calls) {
  std::string file = "ARRL Logbook of the World Status Report\n<PROGRAMID:4>LoTW\n<eoh>\n";
  for (int i = 0; i < kConfirmations; ++i) {
    const Qso q = QsoOf(i * 10, calls);
    const std::string date = std::to_string(q.year) + TwoDigits(q.month) + TwoDigits(q.day);
    const std::string time = TwoDigits(q.hour) + TwoDigits(q.minute) + "00";
    file += kmb::AdifField("APP_LoTW_OWNCALL", "F4ABC") + "\n" + kmb::AdifField("CALL", q.call) + "\n" +
            kmb::AdifField("BAND", std::string(q.band.adif)) + "\n" + kmb::AdifField("MODE", "SSB") + "\n" +
            kmb::AdifField("QSO_DATE", date) + "\n" + kmb::AdifField("TIME_ON", time) + "\n" +
            kmb::AdifField("QSL_RCVD", "Y") + "\n" + kmb::AdifField("QSLRDATE", "20261201") + "\n<eor>\n\n";
  }
  return file;
}

// `calls` distinct stations in the log: a few make long lists to search.
void ConfirmationsToSummary(benchmark::State& state) {
  const int calls = static_cast<int>(state.range(0));
  BenchFolder folder;
  const kmb::Lines log = LogOf(calls);
  const auto report = folder.context.programFolder / "lotwreport.adi";
  if (kmb::ReplaceFileAtomically(folder.files, report, ServiceReport(calls))) state.SkipWithError("report not written");
  std::size_t toConfirm = 0;
  for (auto _ : state) {
    const kmb::ReadResult read = folder.files.readAll(report);
    const kmb::ConfirmationMatch match = kmb::MatchConfirmations(kmb::ReadAdif(read.bytes), log);
    ConfirmationSummaryDialog summary(match, log, folder.settings, nullptr);
    toConfirm = match.toConfirm.size();
  }
  state.counters["a_confirmer"] = double(toConfirm);
}

}  // namespace

BENCHMARK(ConfirmationsToSummary)->Arg(3'000)->Arg(9)->Unit(benchmark::kMillisecond)->UseRealTime();
