// A saver process appends QSOs as the window does, undoes and redoes each, and is killed with SIGKILL at random
// moments: after each kill the log and the first-name list hold the content before or after the interrupted save,
// undo or redo. KMB_CRASH_KILLS sets
// the number of kills (50 by default).
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <random>
#include <thread>

#include "core/log/FirstNameList.h"
#include "core/log/LogEdit.h"
#include "core/log/LogHistory.h"
#include "core/log/LogLine.h"
#include "core/log/LogRewrite.h"

using namespace kmb;
namespace fs = std::filesystem;

namespace {

std::string CallOf(std::size_t n) { return "F" + std::to_string(n); }

Bytes LogLineOf(std::size_t n) {
  return FormatLogLine({CallOf(n), "89", "\xc9LODIE", "89001", "05/12/14", "09:07", "SSB", "14 Mhz", "59", "57",
                        "LAVOIR DE L'\xceLE", n % 2 == 0});
}

Bytes FirstNameOf(std::size_t n) { return FirstNameLine(CallOf(n), "89", "\xc9LODIE"); }

[[noreturn]] void SaveUndoAndRedoForever(const fs::path& folder) {
  DiskFileSystem disk;
  const fs::path logPath = LogFilePath(folder, "F4ABC");
  const auto edit = [&](const LogChange& change, Lines firstNames) {
    const LogSnapshot listed = ReadLogSnapshot(disk, logPath).snapshot;
    if (!EditLog(disk, listed, {folder, "F4ABC", change, std::move(firstNames), "2026-12-06", {}}).done())
      std::_Exit(3);
  };
  for (std::size_t next = ReadLogSnapshot(disk, logPath).snapshot.lines().size();; ++next) {
    LogDifference added;
    edit(
        [&added, line = LogLineOf(next)](const Lines& log) {
          Lines after = AddLogLine(log, line);
          added = DifferenceOf(log, after);
          return after;
        },
        {FirstNameOf(next)});
    edit([&added](const Lines& log) { return Undone(log, added); }, {});
    edit([&added](const Lines& log) { return Redone(log, added); }, {});
  }
}

// Every line whole and in the order the saver wrote them; returns the count.
std::size_t CheckFile(const fs::path& path, Bytes (*expected)(std::size_t), std::size_t lineLength) {
  DiskFileSystem disk;
  const ReadResult read = disk.readAll(path);
  EXPECT_FALSE(read.error) << path;
  const Lines lines = SplitLines(read.bytes);
  EXPECT_TRUE(read.bytes.empty() || read.bytes.ends_with("\r\n"));
  EXPECT_EQ(read.bytes.size(), lines.size() * (lineLength + 2)) << "a line lost its length";
  Lines written;
  for (std::size_t i = 0; i < lines.size(); ++i) written.push_back(expected(i));
  EXPECT_EQ(lines, written) << path;
  return lines.size();
}

}  // namespace

TEST(CrashConsistency, KilledSavesNeverLoseOrDamageALine) {
  char name[] = "/tmp/kmb-crash-XXXXXX";
  const fs::path folder = ::mkdtemp(name);
  DiskFileSystem disk;
  ASSERT_FALSE(CreateLogFile(disk, folder, "F4ABC"));
  std::mt19937 random(20261206);
  std::uniform_int_distribution<int> delayMicros(0, 40'000);
  const char* asked = std::getenv("KMB_CRASH_KILLS");
  const int kills = asked ? std::max(1, std::atoi(asked)) : 50;
  std::size_t saved = 0;
  int leftTemporary = 0;
  for (int kill = 0; kill < kills && !HasFailure(); ++kill) {
    const pid_t saver = ::fork();
    ASSERT_GE(saver, 0);
    if (saver == 0) SaveUndoAndRedoForever(folder);
    std::this_thread::sleep_for(std::chrono::microseconds(delayMicros(random)));
    ::kill(saver, SIGKILL);
    int status = 0;
    ::waitpid(saver, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the saver stopped by itself, status " << status;

    const std::size_t logLines = CheckFile(LogFilePath(folder, "F4ABC"), LogLineOf, kLogLineLength);
    ASSERT_GE(logLines + 1, saved) << "a saved QSO disappeared, not only the one being undone";
    saved = std::max(saved, logLines);
    if (fs::exists(folder / kFirstNameListName)) {
      const std::size_t names = CheckFile(folder / kFirstNameListName, FirstNameOf, FirstNameOf(0).size());
      // The list is written first: it may be one save ahead of the log.
      EXPECT_TRUE(names == logLines || names == logLines + 1) << names << " names for " << logLines << " QSOs";
    }
    // What the next start does: a temporary file the kill left goes, nothing else.
    const auto temporary = [&disk, &folder] {
      const auto names = disk.fileNames(folder);
      return std::count_if(names.begin(), names.end(), [](const std::string& n) { return IsTemporaryFileName(n); });
    };
    leftTemporary += temporary() > 0 ? 1 : 0;
    RemoveLeftoverTemporaryFiles(disk, folder);
    EXPECT_EQ(temporary(), 0);
  }
  EXPECT_GT(saved, 0u) << "no save completed between kills";
  std::cout << "[ crash    ] " << kills << " kills, " << saved << " QSOs saved, no line lost or damaged, "
            << leftTemporary << " temporary files left and removed\n";
  fs::remove_all(folder);
}
