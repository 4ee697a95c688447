// Any bytes as an ADIF file to import: reading never fails, every record is
// added, passed over or refused, every line added is a whole log line with a
// real date, time and band and no control character (nor its first-name line),
// and what is added exports and imports back the same.
#include <algorithm>

#include "FuzzInput.h"
#include "core/log/Bands.h"
#include "core/log/LogLine.h"
#include "core/log/QsoTime.h"
#include "core/reports/AdifExport.h"
#include "core/reports/AdifImport.h"

namespace {

bool Plain(const kmb::Lines& lines) {
  return std::all_of(lines.begin(), lines.end(), [](const kmb::Bytes& line) {
    return std::none_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
  });
}

// A CR, LF or NUL would split or cut the line in the log file.
bool NoControl(std::string_view line) {
  return std::none_of(line.begin(), line.end(),
                      [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const kmb::AdifFile file = kmb::ReadAdif(bytes);
  const kmb::ImportPlan plan = kmb::PlanImport(file.records, {});
  FUZZ_CHECK(plan.toAdd.size() + plan.alreadyInLog.size() + plan.refused.size() == file.records.size());
  FUZZ_CHECK(plan.firstNameLines.size() == plan.toAdd.size());
  for (const kmb::Bytes& line : plan.toAdd) {
    FUZZ_CHECK(line.size() == kmb::kLogLineLength && NoControl(line));
    FUZZ_CHECK(kmb::ReadQsoDate(kmb::log_columns::Date(line)) && kmb::ReadQsoTime(kmb::log_columns::Heure(line)));
    FUZZ_CHECK(kmb::BandOfLabel(kmb::Trim(kmb::log_columns::Bande(line))) != nullptr);
  }
  for (const kmb::Bytes& line : plan.firstNameLines) FUZZ_CHECK(NoControl(line));
  if (Plain(plan.toAdd)) {
    const kmb::ImportPlan again = kmb::PlanImport(kmb::ReadAdif(kmb::AdifFileText("F4KMB", plan.toAdd)).records, {});
    FUZZ_CHECK(again.toAdd == plan.toAdd);
  }
  return 0;
}
