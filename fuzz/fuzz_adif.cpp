// Any log line as an ADIF record: every field's length is the byte count of
// its value, BAND is an ADIF band or empty, the record ends with " <eor>".
// Imported back, as a record or with its values' blanks turned to line ends
// and tabs as other loggers leave them, it adds at most one 107-column line
// and a first-name line, neither with a control character.
#include <algorithm>
#include <charconv>
#include <set>
#include <string>

#include "FuzzInput.h"
#include "core/log/LogLine.h"
#include "core/reports/AdifImport.h"
#include "core/reports/AdifRecord.h"

namespace {

const std::set<std::string> kAdifBands = {"",    "160m", "80m", "40m", "30m", "20m", "17m",
                                          "15m", "12m",  "10m", "6m",  "2m",  "70cm"};

bool NoControl(std::string_view line) {
  return std::none_of(line.begin(), line.end(),
                      [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

void CheckImportOf(std::string_view adif) {
  const kmb::ImportPlan plan = kmb::PlanImport(kmb::ReadAdif(adif).records, {});
  FUZZ_CHECK(plan.toAdd.size() <= 1 && plan.firstNameLines.size() == plan.toAdd.size());
  for (const kmb::Bytes& line : plan.toAdd) FUZZ_CHECK(line.size() == kmb::kLogLineLength && NoControl(line));
  for (const kmb::Bytes& line : plan.firstNameLines) FUZZ_CHECK(NoControl(line));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  const std::string line = input.piece();
  const std::string record = kmb::AdifRecordOf(line);
  FUZZ_CHECK(record.ends_with(" <eor>"));
  std::string_view rest(record);
  rest.remove_suffix(6);
  int fields = 0;
  while (!rest.empty()) {
    FUZZ_CHECK(rest.front() == '<');
    const auto colon = rest.find(':');
    const auto close = rest.find('>');
    FUZZ_CHECK(colon != std::string_view::npos && close != std::string_view::npos && colon < close);
    const std::string_view tag = rest.substr(1, colon - 1);
    std::size_t length = 0;
    const auto [end, error] = std::from_chars(rest.data() + colon + 1, rest.data() + close, length);
    FUZZ_CHECK(error == std::errc{} && end == rest.data() + close);
    FUZZ_CHECK(close + 1 + length <= rest.size());
    const std::string value(rest.substr(close + 1, length));
    if (tag == "BAND") FUZZ_CHECK(kAdifBands.count(value) == 1);
    if (tag == "QSO_DATE") FUZZ_CHECK(value.empty() || value.size() == 8);
    if (tag == "TIME_ON") FUZZ_CHECK(value.empty() || value.size() == 4);
    rest.remove_prefix(close + 1 + length);
    ++fields;
    if (!rest.empty()) {
      FUZZ_CHECK(rest.front() == ' ');
      rest.remove_prefix(1);
    }
  }
  FUZZ_CHECK(fields == 12);
  CheckImportOf(record);
  // Lengths unchanged, so each value may take in a CR, LF or tab where it had a blank.
  std::string ends = record;
  const char ending = "\r\n\t"[input.byte() % 3];
  std::replace(ends.begin(), ends.end(), ' ', ending);
  CheckImportOf(ends);
  return 0;
}
