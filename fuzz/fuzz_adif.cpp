// Any log line as an ADIF record: every field's length is the byte count of
// its value, BAND is an ADIF band or empty, the record ends with " <eor>".
// Imported back, as a record or with its values' blanks turned to line ends
// and tabs as other loggers leave them, it adds at most one 107-column line
// and a first-name line, both of Windows-1252 characters and no control
// character. With some of its values in UTF-8, as a program that writes
// UTF-8 leaves a file it added to, it imports the same, unless a value was
// valid UTF-8 already and so reads as UTF-8 in both.
#include <algorithm>
#include <charconv>
#include <set>
#include <string>

#include "Cp1252Lines.h"
#include "FuzzInput.h"
#include "core/log/Cp1252Text.h"
#include "core/log/LogLine.h"
#include "core/reports/AdifImport.h"
#include "core/reports/AdifRecord.h"

namespace {

const std::set<std::string> kAdifBands = {"",    "160m", "80m", "40m", "30m", "20m", "17m",
                                          "15m", "12m",  "10m", "6m",  "2m",  "70cm"};

kmb::ImportPlan CheckImportOf(std::string_view adif) {
  const kmb::ImportPlan plan = kmb::PlanImport(kmb::ReadAdif(adif), {});
  FUZZ_CHECK(plan.toAdd.size() <= 1 && plan.firstNameLines.size() == plan.toAdd.size());
  for (const kmb::Bytes& line : plan.toAdd) FUZZ_CHECK(line.size() == kmb::kLogLineLength && Cp1252Line(line));
  for (const kmb::Bytes& line : plan.firstNameLines) FUZZ_CHECK(Cp1252Line(line));
  return plan;
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
  std::string mixed;
  bool readAlike = true;
  const std::uint8_t inUtf8 = input.byte();
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
    const bool toUtf8 = (inUtf8 >> (fields % 8)) & 1;
    mixed += kmb::AdifField(tag, toUtf8 ? kmb::Utf8FromCp1252(value) : value) + " ";
    readAlike = readAlike && (!kmb::HasHighByte(value) || !kmb::IsUtf8(value));
    rest.remove_prefix(close + 1 + length);
    ++fields;
    if (!rest.empty()) {
      FUZZ_CHECK(rest.front() == ' ');
      rest.remove_prefix(1);
    }
  }
  FUZZ_CHECK(fields == 12);
  const kmb::ImportPlan plan = CheckImportOf(record);
  const kmb::ImportPlan fromMixed = CheckImportOf(mixed + "<eor>");
  if (readAlike) FUZZ_CHECK(fromMixed.toAdd == plan.toAdd && fromMixed.firstNameLines == plan.firstNameLines);
  // Lengths unchanged, so each value may take in a CR, LF or tab where it had a blank.
  std::string ends = record;
  const char ending = "\r\n\t"[input.byte() % 3];
  std::replace(ends.begin(), ends.end(), ' ', ending);
  CheckImportOf(ends);
  return 0;
}
