// The four rewriting operations on any log: the result is always a complete
// log, every line that should survive is there, in its order.
#include <algorithm>

#include "FuzzInput.h"
#include "core/log/LogRewrite.h"

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
  const std::uint8_t pick = input.byte();
  const kmb::Bytes newLine = input.piece();
  kmb::Lines log;
  while (!input.empty()) {
    kmb::Bytes line = input.piece();
    // A line read from a log never holds a line end: CR and LF both end one.
    line.erase(std::remove_if(line.begin(), line.end(), [](char c) { return c == '\n' || c == '\r'; }), line.end());
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
      // The chosen line alone changes; every other keeps its bytes and place.
      const std::size_t index = log.empty() ? 0 : pick % log.size();
      const kmb::Lines out = kmb::ReplaceLogLineAt(log, index, newLine);
      FUZZ_CHECK(out.size() == log.size());
      for (std::size_t i = 0; i < log.size(); ++i) FUZZ_CHECK(out[i] == (i == index ? newLine : log[i]));
      break;
    }
    default: {
      const std::size_t index = log.empty() ? 0 : pick % log.size();
      const kmb::Lines out = kmb::DeleteLogLineAt(log, index);
      FUZZ_CHECK(out.size() == (log.empty() ? 0 : log.size() - 1));
      for (std::size_t i = 0; i < out.size(); ++i) FUZZ_CHECK(out[i] == log[i < index ? i : i + 1]);
      break;
    }
  }
  // What is written reads back as the same lines.
  FUZZ_CHECK(kmb::SplitLines(kmb::JoinLines(log)) == log);
  return 0;
}
