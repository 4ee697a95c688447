// Any bytes from a node, cut anywhere into two reads: every line is at most
// 1,024 bytes with no control character; every spot read from a line has a
// frequency, a call sign and a time of day; every reference a comment gives
// is a department ("01" to "95", "2a", "2b") and three digits; the merge
// table keeps at most 500 rows, newest first, each with an id of its own.
#include <algorithm>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "core/cluster/KmbReference.h"
#include "core/cluster/SpotLine.h"
#include "core/cluster/SpotTable.h"
#include "core/cluster/TelnetLines.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsValidReference(const std::string& ref) {
  if (ref.size() != 5 || !std::all_of(ref.begin() + 2, ref.end(), IsDigit)) return false;
  if (ref[0] == '2' && (ref[1] == 'a' || ref[1] == 'b')) return true;
  if (!IsDigit(ref[0]) || !IsDigit(ref[1])) return false;
  const int department = (ref[0] - '0') * 10 + (ref[1] - '0');
  return department >= 1 && department <= 95;
}

bool HasControl(const std::string& line) {
  return std::any_of(line.begin(), line.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  const std::size_t cut = input.byte();
  const std::string bytes = input.piece() + '\n' + input.piece();
  kmb::TelnetLineReader reader;
  std::vector<std::string> lines = reader.feed(std::string_view(bytes).substr(0, std::min(cut, bytes.size())));
  for (std::string& line : reader.feed(std::string_view(bytes).substr(std::min(cut, bytes.size()))))
    lines.push_back(std::move(line));
  lines.push_back(reader.partial());
  kmb::SpotTable table;
  const kmb::Minute now = kmb::MinuteOf({2026, 12, 5, 12, 0, 0});
  for (const std::string& line : lines) {
    FUZZ_CHECK(line.size() <= kmb::kMaxNodeLineLength && !HasControl(line));
    const std::string reference = kmb::KmbReference(line);
    FUZZ_CHECK(reference.empty() || IsValidReference(reference));
    const auto spot = kmb::ParseSpotLine(line);
    if (!spot) continue;
    FUZZ_CHECK(spot->kHz > 0 && !spot->call.empty() && spot->hour < 24 && spot->minute < 60);
    const std::string spotReference = kmb::KmbReference(spot->comment);
    FUZZ_CHECK(spotReference.empty() || IsValidReference(spotReference));
    if (const auto when = kmb::SpotMinute(*spot, {2026, 12, 5, 12, 0, 0})) table.add(*spot, *when, now);
  }
  FUZZ_CHECK(table.rows().size() <= kmb::SpotTable::kMaxRows);
  std::vector<std::uint64_t> ids;
  for (const kmb::SpotRow& row : table.rows()) {
    FUZZ_CHECK(row.reference.empty() || IsValidReference(row.reference));
    ids.push_back(row.id);
  }
  FUZZ_CHECK(std::is_sorted(table.rows().begin(), table.rows().end(),
                            [](const kmb::SpotRow& a, const kmb::SpotRow& b) { return a.last > b.last; }));
  std::sort(ids.begin(), ids.end());
  FUZZ_CHECK(std::adjacent_find(ids.begin(), ids.end()) == ids.end());
  return 0;
}
