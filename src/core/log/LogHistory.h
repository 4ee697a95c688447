#pragma once
// The changes this program made to the log since it started, to take them
// back and make them again exactly. Each keeps the lines it took out and put
// in, at their places, never the whole log.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/log/LogFile.h"

namespace kmb {

// Lines taken out at a place of the log as it was, and lines put there.
struct LogHunk {
  std::size_t at = 0;
  Lines removed;
  Lines added;
};

struct LogDifference {
  std::vector<LogHunk> hunks;  // in log order, none touching the next
  std::size_t sizeBefore = 0;
  std::size_t sizeAfter = 0;
  // The whole logs, known without being kept.
  std::uint64_t fingerprintBefore = 0;
  std::uint64_t fingerprintAfter = 0;
};

// Lines put in (a save, an import), taken out (a deletion) or replaced (a
// modification, confirmations) are kept one by one; a change of another
// shape keeps the part that differs.
LogDifference DifferenceOf(const Lines& before, const Lines& after);

// The log after the change, from the log as it was; and back.
Lines Redone(const Lines& before, const LogDifference& difference);
Lines Undone(const Lines& after, const LogDifference& difference);

// True when `log` is the log as the change left it (or found it), to the byte.
bool HoldsAfter(const Lines& log, const LogDifference& difference);
bool HoldsBefore(const Lines& log, const LogDifference& difference);

// Where the main list shows the change: its first place, in the log as the
// change left it (`after`) or as it found it.
std::size_t FirstPlace(const LogDifference& difference, bool after);

enum class ChangeKind { Saved, Modified, Inserted, Deleted, Imported, Confirmed };

// What the operator knows a change by.
struct ChangeLabel {
  ChangeKind kind = ChangeKind::Saved;
  Bytes qso;              // the log line it names; empty when it touched many
  std::size_t count = 1;  // QSOs added, removed or changed
};

struct RecordedChange {
  ChangeLabel label;
  LogDifference difference;
  std::optional<Bytes> bytesBefore;  // the file as it was, when its lines joined again would not give it back
};

class LogHistory {
 public:
  // Memory follows the lines kept: the oldest changes go beyond these.
  static constexpr std::size_t kMaxChanges = 100;
  static constexpr std::size_t kMaxKeptLines = 400'000;

  // A change made on `storedCall`'s log; the changes undone are forgotten.
  void record(const std::string& storedCall, RecordedChange change);
  const RecordedChange* toUndo() const { return done_.empty() ? nullptr : &done_.back(); }
  const RecordedChange* toRedo() const { return undone_.empty() ? nullptr : &undone_.back(); }
  void undone();
  void redone();
  void clear();
  // The station whose log the changes were made on; empty when there are none.
  const std::string& storedCall() const { return storedCall_; }

 private:
  void keepWithinBounds();

  std::string storedCall_;
  std::deque<RecordedChange> done_;
  std::vector<RecordedChange> undone_;
};

}  // namespace kmb
