#include "BenchSupport.h"

#include "core/log/LogLine.h"

BenchFolder::BenchFolder()
    : settings(dir.filePath(QStringLiteral("KMB.ini"))),
      context{dir.path().toStdString(), files, messages, settings, clock, printers} {}

void BenchFolder::writeLog(const std::string& call, const kmb::Lines& lines) {
  logPath = kmb::LogFilePath(context.programFolder, call);
  (void)files.writeAll(logPath, kmb::JoinLines(lines));
}

kmb::Lines SampleLog(int count) {
  const char* bands[] = {"1.8 Mhz", "3.5 Mhz", "7.0 Mhz", "10 Mhz", "14 Mhz",  "18 Mhz",
                         "21 Mhz",  "24 Mhz",  "28 Mhz",  "50 Mhz", "144 Mhz", "432 Mhz"};
  kmb::Lines log;
  for (int n = 0; n < count; ++n) {
    const int department = 1 + n % 95;
    const std::string dpt = (department < 10 ? "0" : "") + std::to_string(department);
    const std::string ref = dpt + std::to_string(100 + n % 900);
    log.push_back(kmb::FormatLogLine({"F" + std::to_string(n % 9) + "ABC", dpt, "JEAN", ref, "05/12/26", "09:07", "SSB",
                                      bands[n % 12], "59", "59", "LAVOIR DU PONT", n % 3 != 0}));
  }
  return log;
}
