#include <gtest/gtest.h>

#include <numeric>

#include "core/log/LogHistory.h"
#include "core/log/LogRewrite.h"

using namespace kmb;

namespace {

Lines Numbered(int count, const char* prefix = "QSO ") {
  Lines lines;
  for (int i = 0; i < count; ++i) lines.push_back(prefix + std::to_string(i));
  return lines;
}

std::size_t Kept(const LogDifference& d) {
  return std::accumulate(d.hunks.begin(), d.hunks.end(), std::size_t{0},
                         [](std::size_t n, const LogHunk& h) { return n + h.removed.size() + h.added.size(); });
}

struct Shape {
  const char* what;
  Lines before;
  Lines after;
  std::size_t kept;  // lines the difference holds: those changed, not the log
};

}  // namespace

// Every shape of change the program makes, and some it never makes: back and forth exactly, keeping only what
// changed.
TEST(LogHistory, DifferencesGoBothWaysKeepingOnlyWhatChanged) {
  const Lines log = Numbered(1000);
  Lines scattered = log;
  for (std::size_t i = 0; i < 20; ++i) scattered.insert(scattered.begin() + 50 * i, "NEW " + std::to_string(i));
  Lines twoMarked = MarkQslReceivedAt(log, {10, 11, 900});
  const Lines duplicates{"A", "B", "A", "B", "A"};
  const Shape shapes[] = {
      {"appended", log, AddLogLine(log, "LAST"), 1},
      {"inserted in twenty places", log, scattered, 20},
      {"deleted", DeleteLogLineAt(log, 0), log, 1},
      {"one deleted among equal lines", duplicates, DeleteLogLineAt(duplicates, 2), 1},
      {"confirmed", log, twoMarked, 6},
      {"emptied", log, {}, 1000},
      {"from nothing", {}, Numbered(3), 3},
      {"another shape", log, Numbered(1000, "AUTRE "), 2000},
      {"the same", log, log, 0},
  };
  for (const Shape& s : shapes) {
    for (const auto& [before, after] : {std::pair{s.before, s.after}, std::pair{s.after, s.before}}) {
      const LogDifference d = DifferenceOf(before, after);
      EXPECT_EQ(Redone(before, d), after) << s.what;
      EXPECT_EQ(Undone(after, d), before) << s.what;
      EXPECT_TRUE(HoldsAfter(after, d) && HoldsBefore(before, d)) << s.what;
      EXPECT_EQ(Kept(d), s.kept) << s.what;
    }
  }
  // The log no longer as the change left it: a line changed elsewhere, or one more line.
  const LogDifference d = DifferenceOf(log, scattered);
  Lines touched = scattered;
  touched[700] += " ";
  EXPECT_FALSE(HoldsAfter(touched, d) || HoldsBefore(touched, d));
  EXPECT_FALSE(HoldsAfter(AddLogLine(scattered, "MORE"), d));
  EXPECT_EQ(FirstPlace(DifferenceOf(log, DeleteLogLineAt(log, 999)), false), 999u);
  EXPECT_EQ(FirstPlace(DifferenceOf(log, DeleteLogLineAt(log, 999)), true), 998u);
}

// The latest changes stay, within a count and a number of lines; a new change forgets the ones undone, and a
// change of another station forgets all.
TEST(LogHistory, KeepsTheLatestChangesWithinBounds) {
  LogHistory history;
  const auto change = [](std::size_t lines, const char* qso) {
    return RecordedChange{{ChangeKind::Saved, qso, lines}, DifferenceOf({}, Lines(lines, "QSO")), std::nullopt};
  };
  for (int i = 0; i < 150; ++i) history.record("F4ABC", change(1, std::to_string(i).c_str()));
  int undoable = 0;
  for (; history.toUndo(); ++undoable) history.undone();
  EXPECT_EQ(undoable, 100);
  EXPECT_EQ(history.toRedo()->label.qso, "50");
  history.redone();
  history.record("F4ABC", change(1, "new"));
  EXPECT_EQ(history.toRedo(), nullptr);
  history.record("F4ABC", change(LogHistory::kMaxKeptLines / 2, "import"));
  history.undone();
  EXPECT_EQ(history.toUndo()->label.qso, "new");
  history.redone();
  history.record("F4ABC", change(LogHistory::kMaxKeptLines, "another import"));
  history.undone();
  EXPECT_EQ(history.toUndo(), nullptr);  // the first import went: the two pass the bound
  history.record("F5XYZ", change(1, "other station"));
  history.undone();
  EXPECT_EQ(history.toUndo(), nullptr);
  EXPECT_EQ(history.storedCall(), "F5XYZ");
}
