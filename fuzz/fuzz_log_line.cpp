// Any bytes as a log line: reading never fails, a whole line lists as a
// whole row, and every stored line keeps its 107 columns.
#include "FuzzInput.h"
#include "core/log/LogLine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  const std::string line = input.piece();

  const kmb::QsoRecord fields = kmb::ParseLogLine(line);
  (void)kmb::EntryRecord(line);

  const std::string listed = kmb::FormatListRow(1 + input.byte() * 391u, line);
  if (line.size() == kmb::kLogLineLength) {
    FUZZ_CHECK(listed.size() == kmb::kListRowLength);
    for (const kmb::Field& field : kmb::fields::kAll)
      FUZZ_CHECK(kmb::Column(listed, field.rowFirst, field.width) == kmb::InLog(line, field));
  }
  // A record whose fields fit their columns always makes a whole line.
  kmb::QsoRecord fitted = fields;
  fitted.dpt = kmb::Trim(fields.dpt).substr(0, kmb::kDptWidth);
  if (fitted.date.size() == kmb::kDateWidth && fitted.heure.size() == kmb::kHeureWidth)
    FUZZ_CHECK(kmb::FormatLogLine(fitted).size() == kmb::kLogLineLength);
  return 0;
}
