// The four rewriting operations on any log: the result is always a complete
// log, every line that should survive is there, in its order.
#include <algorithm>

#include "FuzzInput.h"
#include "log/LogRewrite.h"

namespace {

// `part` appears in `whole` in the same order.
bool IsSubsequence(const kmb::Lines& part, const kmb::Lines& whole) {
  auto at = whole.begin();
  for (const kmb::Bytes& line : part) {
    at = std::find(at, whole.end(), line);
    if (at == whole.end()) return false;
    ++at;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  const std::uint8_t operation = input.byte() % 4;
  const kmb::Bytes newLine = input.piece();
  const kmb::Bytes oldLine = input.piece();
  kmb::Lines log;
  while (!input.empty()) {
    kmb::Bytes line = input.piece();
    line.erase(std::remove(line.begin(), line.end(), '\n'), line.end());
    log.push_back(line);
  }
  switch (operation) {
    case 0: {
      const kmb::Lines out = kmb::AddLogLine(log, newLine);
      FUZZ_CHECK(out.size() == log.size() + 1 && IsSubsequence(log, out));
      FUZZ_CHECK(std::find(out.begin(), out.end(), newLine) != out.end());
      break;
    }
    case 1: {
      const kmb::Lines out = kmb::InsertLogLineByDate(log, newLine);
      FUZZ_CHECK(out.size() == log.size() + 1 && IsSubsequence(log, out));
      break;
    }
    case 2: {
      const kmb::Lines out = kmb::ReplaceLogLine(log, newLine, oldLine);
      const auto replaced = std::count(log.begin(), log.end(), oldLine);
      FUZZ_CHECK(out.size() == log.size() + (replaced == 0 ? 1 : 0));
      kmb::Lines kept;
      std::copy_if(log.begin(), log.end(), std::back_inserter(kept), [&](const kmb::Bytes& l) { return l != oldLine; });
      FUZZ_CHECK(IsSubsequence(kept, out));
      break;
    }
    default: {
      const kmb::Lines out = kmb::DeleteLogLine(log, oldLine);
      kmb::Lines kept;
      std::copy_if(log.begin(), log.end(), std::back_inserter(kept), [&](const kmb::Bytes& l) { return l != oldLine; });
      FUZZ_CHECK(out == kept);
      break;
    }
  }
  // What is written reads back as the same lines.
  const kmb::Lines written = kmb::SplitLines(kmb::JoinLines(log));
  FUZZ_CHECK(written.size() == log.size());
  return 0;
}
