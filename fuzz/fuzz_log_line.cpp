// Any bytes as a log line or a list row: reading never fails, a listed row
// gives its line back, and every stored line keeps its 107 columns.
#include <algorithm>
#include <iterator>

#include "FuzzInput.h"
#include "core/log/LogLine.h"

namespace {
// Columns of a log line that separate its fields.
constexpr std::size_t kSeparators[] = {13, 18, 34, 40, 49, 55, 59, 67, 71, 75, 106};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  const std::string line = input.piece();
  const std::string row = input.piece();

  const kmb::QsoRecord fields = kmb::ParseLogLine(line);
  (void)kmb::ParseListRow(row);
  (void)kmb::LogLineFromListRow(row);

  const std::string listed = kmb::FormatListRow(1 + input.byte() * 391u, line);
  if (line.size() == kmb::kLogLineLength) {
    FUZZ_CHECK(listed.size() == kmb::kListRowLength);
    const bool blankSeparators = std::all_of(std::begin(kSeparators), std::end(kSeparators),
                                             [&line](std::size_t column) { return line[column - 1] == ' '; });
    if (blankSeparators) FUZZ_CHECK(kmb::LogLineFromListRow(listed) == line);
  }
  // A record whose fields fit their columns always makes a whole line.
  kmb::QsoRecord fitted = fields;
  fitted.dpt = kmb::Trim(fields.dpt).substr(0, kmb::kDptWidth);
  if (fitted.date.size() == kmb::kDateWidth && fitted.heure.size() == kmb::kHeureWidth)
    FUZZ_CHECK(kmb::FormatLogLine(fitted).size() == kmb::kLogLineLength);
  return 0;
}
