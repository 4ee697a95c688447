#include "BenchSupport.h"

#include <unistd.h>

#include <cstdio>

#include "core/log/Bands.h"
#include "core/log/LogLine.h"

BenchFolder::BenchFolder()
    : settings(dir.filePath(QStringLiteral("KMB.ini"))),
      context{dir.path().toStdString(), files, messages, settings, clock, printers, folders} {}

void BenchFolder::writeLog(const std::string& call, const kmb::Lines& lines) {
  logPath = kmb::LogFilePath(context.programFolder, call);
  (void)files.writeAll(logPath, kmb::JoinLines(lines));
}

kmb::Lines SampleLog(int count) {
  kmb::Lines log;
  for (int n = 0; n < count; ++n) {
    const int department = 1 + n % 95;
    const std::string dpt = (department < 10 ? "0" : "") + std::to_string(department);
    const std::string ref = dpt + std::to_string(100 + n % 900);
    log.push_back(kmb::FormatLogLine({"F" + std::to_string(n % 9) + "ABC", dpt, "JEAN", ref, "05/12/26", "09:07", "SSB",
                                      std::string(kmb::kBands[n % kmb::kBandCount].label), "59", "59", "LAVOIR DU PONT",
                                      n % 3 != 0}));
  }
  return log;
}

double ResidentMegabytes() {
  long pages = 0, resident = 0;
  if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(statm);
  }
  return double(resident) * double(sysconf(_SC_PAGESIZE)) / 1e6;
}
