#include "core/log/LogHistory.h"

#include <algorithm>
#include <functional>
#include <numeric>
#include <string_view>

namespace kmb {
namespace {

using Iterator = Lines::const_iterator;

struct Span {
  Iterator begin;
  Iterator end;
  std::size_t size() const { return static_cast<std::size_t>(end - begin); }
};

// `shorter` read in order inside `longer`: the lines of `longer` left over,
// grouped where they stand. Empty when `shorter` is not found in it.
std::optional<std::vector<LogHunk>> LeftOver(Span longer, Span shorter, std::size_t offset, bool added) {
  std::vector<LogHunk> hunks;
  Iterator s = shorter.begin;
  std::size_t place = offset;  // in the log before the change
  bool open = false;
  for (Iterator l = longer.begin; l != longer.end; ++l) {
    if (s != shorter.end && *s == *l) {
      ++s;
      ++place;
      open = false;
      continue;
    }
    if (!open) hunks.push_back({place, {}, {}});
    open = true;
    (added ? hunks.back().added : hunks.back().removed).push_back(*l);
    if (!added) ++place;
  }
  if (s != shorter.end) return std::nullopt;
  return hunks;
}

std::vector<LogHunk> Replaced(Span before, Span after, std::size_t offset) {
  std::vector<LogHunk> hunks;
  bool open = false;
  for (std::size_t i = 0; i < before.size(); ++i) {
    const Bytes& was = before.begin[static_cast<std::ptrdiff_t>(i)];
    const Bytes& is = after.begin[static_cast<std::ptrdiff_t>(i)];
    if (was == is) {
      open = false;
      continue;
    }
    if (!open) hunks.push_back({offset + i, {}, {}});
    open = true;
    hunks.back().removed.push_back(was);
    hunks.back().added.push_back(is);
  }
  return hunks;
}

std::ptrdiff_t Shift(const LogHunk& h) {
  return static_cast<std::ptrdiff_t>(h.added.size()) - static_cast<std::ptrdiff_t>(h.removed.size());
}

// Rebuilds a log from `from`, each hunk giving `put` where `found` stood.
Lines Rebuild(const Lines& from, const LogDifference& d, bool forward) {
  Lines result;
  result.reserve(forward ? d.sizeAfter : d.sizeBefore);
  std::size_t copied = 0;
  std::ptrdiff_t shift = 0;
  for (const LogHunk& h : d.hunks) {
    const std::size_t at = forward ? h.at : static_cast<std::size_t>(static_cast<std::ptrdiff_t>(h.at) + shift);
    const Lines& found = forward ? h.removed : h.added;
    const Lines& put = forward ? h.added : h.removed;
    result.insert(result.end(), from.begin() + static_cast<std::ptrdiff_t>(copied),
                  from.begin() + static_cast<std::ptrdiff_t>(at));
    result.insert(result.end(), put.begin(), put.end());
    copied = at + found.size();
    shift += Shift(h);
  }
  result.insert(result.end(), from.begin() + static_cast<std::ptrdiff_t>(copied), from.end());
  return result;
}

// Each line's hash folded in its place.
std::uint64_t Fingerprint(const Lines& log) {
  std::uint64_t folded = log.size();
  for (const Bytes& line : log)
    folded ^= std::hash<std::string_view>{}(line) + 0x9e3779b97f4a7c15ull + (folded << 6) + (folded >> 2);
  return folded;
}

std::size_t LinesKept(const RecordedChange& c) {
  return std::accumulate(c.difference.hunks.begin(), c.difference.hunks.end(), std::size_t{0},
                         [](std::size_t n, const LogHunk& h) { return n + h.removed.size() + h.added.size(); });
}

}  // namespace

LogDifference DifferenceOf(const Lines& before, const Lines& after) {
  const std::size_t common = std::min(before.size(), after.size());
  std::size_t prefix = 0;
  while (prefix < common && before[prefix] == after[prefix]) ++prefix;
  std::size_t suffix = 0;
  while (suffix < common - prefix && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) ++suffix;
  const Span was{before.begin() + static_cast<std::ptrdiff_t>(prefix),
                 before.end() - static_cast<std::ptrdiff_t>(suffix)};
  const Span is{after.begin() + static_cast<std::ptrdiff_t>(prefix), after.end() - static_cast<std::ptrdiff_t>(suffix)};
  LogDifference d{{}, before.size(), after.size(), Fingerprint(before), Fingerprint(after)};
  if (was.size() == 0 && is.size() == 0) return d;
  std::optional<std::vector<LogHunk>> hunks;
  if (is.size() > was.size()) hunks = LeftOver(is, was, prefix, true);
  if (is.size() < was.size()) hunks = LeftOver(was, is, prefix, false);
  if (is.size() == was.size()) hunks = Replaced(was, is, prefix);
  d.hunks =
      hunks ? std::move(*hunks) : std::vector<LogHunk>{{prefix, Lines(was.begin, was.end), Lines(is.begin, is.end)}};
  return d;
}

Lines Redone(const Lines& before, const LogDifference& difference) { return Rebuild(before, difference, true); }
Lines Undone(const Lines& after, const LogDifference& difference) { return Rebuild(after, difference, false); }
bool HoldsAfter(const Lines& log, const LogDifference& difference) {
  return log.size() == difference.sizeAfter && Fingerprint(log) == difference.fingerprintAfter;
}

bool HoldsBefore(const Lines& log, const LogDifference& difference) {
  return log.size() == difference.sizeBefore && Fingerprint(log) == difference.fingerprintBefore;
}

std::size_t FirstPlace(const LogDifference& difference, bool after) {
  if (difference.hunks.empty()) return 0;
  const std::size_t size = after ? difference.sizeAfter : difference.sizeBefore;
  const std::size_t at = difference.hunks.front().at;
  return size == 0 ? 0 : std::min(at, size - 1);
}

void LogHistory::record(const std::string& storedCall, RecordedChange change) {
  if (storedCall != storedCall_) clear();
  storedCall_ = storedCall;
  undone_.clear();
  done_.push_back(std::move(change));
  keepWithinBounds();
}

void LogHistory::undone() {
  if (done_.empty()) return;
  undone_.push_back(std::move(done_.back()));
  done_.pop_back();
}

void LogHistory::redone() {
  if (undone_.empty()) return;
  done_.push_back(std::move(undone_.back()));
  undone_.pop_back();
}

void LogHistory::clear() {
  done_.clear();
  undone_.clear();
  storedCall_.clear();
}

// The latest change always stays, however large.
void LogHistory::keepWithinBounds() {
  std::size_t kept = 0;
  for (const RecordedChange& c : done_) kept += LinesKept(c);
  while (done_.size() > 1 && (done_.size() > kMaxChanges || kept > kMaxKeptLines)) {
    kept -= LinesKept(done_.front());
    done_.pop_front();
  }
}

}  // namespace kmb
