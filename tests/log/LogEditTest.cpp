#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "core/log/Cp1252Text.h"
#include "core/log/DailyBackup.h"
#include "core/log/FirstNameList.h"
#include "core/log/LogConversion.h"
#include "core/log/LogEdit.h"
#include "core/log/LogLine.h"
#include "core/log/LogRewrite.h"
#include "support/FaultyFileSystem.h"
#include "support/TempFolder.h"

using namespace kmb;

namespace {

Bytes Line(const std::string& call, const std::string& prenom = "") {
  return FormatLogLine(
      QsoRecord{call, "89", prenom, "89001", "05/12/14", "10:00", "SSB", "14 Mhz", "59", "59", "", false});
}

// The same text as a modern editor saves it: accented letters on two bytes.
Bytes Utf8(std::string_view cp1252) {
  Bytes out;
  for (const unsigned char u : cp1252)
    out += u < 0x80 ? Bytes(1, char(u)) : Bytes{char(0xC0 | u >> 6), char(0x80 | (u & 0x3F))};
  return out;
}

class LogEditTest : public ::testing::Test {
 protected:
  std::filesystem::path logPath() const { return LogFilePath(folder.path(), "F4ABC"); }
  void writeLog(const Bytes& bytes) { ASSERT_FALSE(ReplaceFileAtomically(disk, logPath(), bytes)); }
  Bytes log() { return disk.readAll(logPath()).bytes; }
  LogSnapshot listed() { return ReadLogSnapshot(disk, logPath()).snapshot; }
  EditResult append(const LogSnapshot& shown, const std::string& day = "", FileSystem* fs = nullptr,
                    const Lines& names = {}) {
    const Bytes line = Line("F4NEW");
    const LogEdit edit{folder.path(), "F4ABC", [line](const Lines& l) { return AddLogLine(l, line); }, names, day, {}};
    return EditLog(fs ? *fs : disk, shown, edit);
  }

  TempFolder folder;
  DiskFileSystem disk;
};

}  // namespace

TEST_F(LogEditTest, WritesOnlyOnTheLogAsListed) {
  writeLog(JoinLines({Line("F1AAA"), Line("F1BBB")}));
  const LogSnapshot shown = listed();
  writeLog(JoinLines({Line("F1AAA")}));  // an editor removed a line meanwhile
  EXPECT_EQ(append(shown).refusal, EditRefusal::ChangedOnDisk);
  EXPECT_EQ(log(), JoinLines({Line("F1AAA")}));

  std::filesystem::remove(logPath());  // deleted meanwhile: never recreated behind the operator's back
  EXPECT_EQ(append(shown).refusal, EditRefusal::ChangedOnDisk);
  EXPECT_FALSE(std::filesystem::exists(logPath()));
  // A log absent when listed is created by the first QSO.
  EXPECT_TRUE(append(listed()).done());
  EXPECT_EQ(log(), JoinLines({Line("F4NEW")}));
}

TEST_F(LogEditTest, RefusesBeforeWritingWhatTheListCouldNotShow) {
  writeLog(JoinLines(Lines(kMaxListedLines, Line("F1AAA"))));
  const Bytes before = log();
  EXPECT_EQ(append(listed()).refusal, EditRefusal::TooManyLines);
  EXPECT_EQ(log(), before);
}

TEST_F(LogEditTest, ALogInUtf8IsNeverWrittenBeforeItsConversion) {
  const Bytes utf8 = Utf8(JoinLines({Line("F1AAA", "H\xC9L\xC8NE")}));
  writeLog(utf8);
  const LogSnapshot shown = listed();
  EXPECT_EQ(shown.lines(), Lines{Line("F1AAA", "H\xC9L\xC8NE")});  // read in its columns all the same
  EXPECT_EQ(append(shown).refusal, EditRefusal::NotWindows1252);
  EXPECT_EQ(log(), utf8);

  const ConversionResult converted = ConvertToWindows1252(disk, logPath());
  ASSERT_FALSE(converted.error);
  EXPECT_EQ(log(), JoinLines({Line("F1AAA", "H\xC9L\xC8NE")}));
  EXPECT_EQ(disk.readAll(converted.original).bytes, utf8);
  EXPECT_EQ(converted.original.filename(), "F4ABC_KMB.log.avant-conversion");
  EXPECT_TRUE(append(listed()).done());
}

// A first-name list saved by another program is read as it was written, and never written to in a mixed form.
TEST_F(LogEditTest, AFirstNameListInUtf8OrUtf16IsReadAsSuchAndNeverMixed) {
  const auto names = folder.path() / kFirstNameListName;
  const Bytes known = FirstNameLine("F1AAA", "89", "H\xC9L\xC8NE");  // Windows-1252
  const auto utf16 = [](std::string_view text, bool little, bool mark) {
    Bytes out = mark ? (little ? "\xFF\xFE" : "\xFE\xFF") : "";
    for (const unsigned char c : text) out += little ? Bytes{char(c), '\0'} : Bytes{'\0', char(c)};  // Latin-1 here
    return out;
  };
  const Bytes saved[] = {Utf8(known) + "\r\n", "\xEF\xBB\xBF" + Utf8(known) + "\r\n", utf16(known + "\r\n", true, true),
                         utf16(known + "\r\n", false, false)};
  writeLog(JoinLines({Line("F1AAA")}));
  for (const Bytes& bytes : saved) {
    ASSERT_FALSE(ReplaceFileAtomically(disk, names, bytes));
    EXPECT_EQ(ReadFirstNameList(disk, folder.path()).text.lines, Lines{known});
    EXPECT_EQ(append(listed(), "", nullptr, {FirstNameLine("F4NEW", "89", "JEAN")}).refusal,
              EditRefusal::FirstNamesNotWindows1252);
    EXPECT_EQ(disk.readAll(names).bytes, bytes);
    EXPECT_EQ(log(), JoinLines({Line("F1AAA")}));
  }
  ASSERT_FALSE(ReplaceFileAtomically(disk, names, Bytes("F1AAA        89 JE\0AN\x01\r\n", 24)));
  EXPECT_EQ(ReadFirstNameList(disk, folder.path()).text.lines, Lines{"F1AAA        89 JE AN "});
}

TEST_F(LogEditTest, CopiesTheLogOnceADayAndKeepsThirtyCopies) {
  writeLog(JoinLines({Line("F1AAA")}));
  const auto backups = BackupFolder(folder.path());
  ASSERT_FALSE(disk.createFolder(backups));
  for (int day = 1; day <= 31; ++day) {
    const std::string name = "F4ABC_KMB_2026-10-" + std::string(day < 10 ? "0" : "") + std::to_string(day) + ".log";
    ASSERT_FALSE(disk.writeAll(backups / name, "ancienne copie"));
  }
  ASSERT_FALSE(disk.writeAll(backups / "F4ABC_P_KMB_2026-01-01.log", "autre station"));
  EXPECT_TRUE(append(listed(), "2026-12-06").done());
  EXPECT_EQ(disk.readAll(backups / "F4ABC_KMB_2026-12-06.log").bytes, JoinLines({Line("F1AAA")}));
  EXPECT_FALSE(append(listed(), "2026-12-06").backupError);  // the day's copy is the state before its first change
  EXPECT_EQ(disk.readAll(backups / "F4ABC_KMB_2026-12-06.log").bytes, JoinLines({Line("F1AAA")}));
  EXPECT_EQ(disk.fileNames(backups).size(), kKeptBackups + 1);
  EXPECT_FALSE(disk.exists(backups / "F4ABC_KMB_2026-10-02.log"));
  EXPECT_TRUE(disk.exists(backups / "F4ABC_KMB_2026-10-03.log"));
  EXPECT_TRUE(disk.exists(backups / "F4ABC_P_KMB_2026-01-01.log"));
}

TEST_F(LogEditTest, AFailedCopyIsToldAndDoesNotStopTheChange) {
  writeLog(JoinLines({Line("F1AAA")}));
  FaultyFileSystem faulty(disk);
  faulty.failAt(IoError::Step::Create, ENOSPC, 0);  // the backup folder
  const EditResult result = append(listed(), "2026-12-06", &faulty);
  EXPECT_TRUE(result.done());
  ASSERT_TRUE(result.backupError);
  EXPECT_EQ(log(), JoinLines({Line("F1AAA"), Line("F4NEW")}));
}

// The log write fails after the first-name list was written: the list is put back as it was.
TEST_F(LogEditTest, AFailedLogWritePutsTheFirstNameListBack) {
  writeLog(JoinLines({Line("F1AAA")}));
  const auto names = folder.path() / kFirstNameListName;
  ASSERT_FALSE(disk.writeAll(names, "F1AAA        89 PAUL\r\n"));
  FaultyFileSystem faulty(disk);
  faulty.failAt(IoError::Step::Write, ENOSPC, 1);  // the list's write passes, the log's fails
  const EditResult result = append(listed(), "", &faulty, {FirstNameLine("F4NEW", "89", "JEAN")});
  EXPECT_EQ(result.error->errnum, ENOSPC);
  EXPECT_FALSE(result.firstNamesError);
  EXPECT_EQ(disk.readAll(names).bytes, "F1AAA        89 PAUL\r\n");
  EXPECT_EQ(log(), JoinLines({Line("F1AAA")}));
  // Putting the list back fails too: the result says so.
  faulty.failFrom(IoError::Step::Write, EIO, 1);
  EXPECT_EQ(append(listed(), "", &faulty, {FirstNameLine("F4NEW", "89", "JEAN")}).firstNamesError->errnum, EIO);
}

TEST(LogEncoding, EachUtf8LineIsBroughtBackToItsColumns) {
  const Bytes cp1252 = Line("F1AAA", "H\xC9L\xC8NE");
  const Bytes utf8 = Utf8(cp1252);
  // A file mixing both, as an old save into a UTF-8 log left it.
  const DecodedLog mixed = DecodeLog(JoinLines({utf8, cp1252}));
  EXPECT_EQ(mixed.encoding, LogEncoding::Utf8);
  EXPECT_EQ(mixed.lines, (Lines{cp1252, cp1252}));
  EXPECT_EQ(mixed.convertedLines, 1u);
  EXPECT_EQ(DecodeLog(JoinLines({cp1252})).encoding, LogEncoding::Windows1252);

  std::string utf16 = "\xFF\xFE";
  for (char c : "F1AAA \xC9\r\n") utf16 += {c, '\0'};
  utf16.resize(utf16.size() - 2);  // the string's own end
  const DecodedLog wide = DecodeLog(utf16);
  EXPECT_EQ(wide.encoding, LogEncoding::Utf16Le);
  EXPECT_EQ(wide.lines, Lines{"F1AAA \xC9"});
  // Without its mark, known by its zero bytes, in either byte order.
  EXPECT_EQ(DecodeLog(utf16.substr(2)).lines, Lines{"F1AAA \xC9"});
  std::string bigEndian;
  for (char c : std::string_view("F1AAA\r\nF1BBB")) bigEndian += {'\0', c};
  EXPECT_EQ(DecodeLog(bigEndian).encoding, LogEncoding::Utf16Be);
  EXPECT_EQ(DecodeLog(bigEndian).lines, (Lines{"F1AAA", "F1BBB"}));
  // A few NULs in a Windows-1252 line do not make it UTF-16.
  EXPECT_EQ(DecodeLog(Bytes("F1AAA\0\0 89", 11)).encoding, LogEncoding::Windows1252);
}

TEST(LogEncoding, LettersWindows1252LacksBecomeTheNearestItHas) {
  EXPECT_EQ(Cp1252FromUnicode(U"Łódź Őr Șerban Ğül €"),
            "L\xF3"
            "dz Or Serban G\xFCl \x80");
  EXPECT_EQ(NearestCp1252(U'\U0001F600'), "?");
  EXPECT_FALSE(DecodeUtf8("\xC0\xAF"));  // an overlong "/" is not UTF-8
  EXPECT_FALSE(DecodeUtf8("\xED\xA0\x80"));
}

TEST(SplitLines, HandlesEveryLineEnd) {
  EXPECT_TRUE(SplitLines("").empty());
  EXPECT_EQ(SplitLines("a\r\nb\r\n"), (Lines{"a", "b"}));
  EXPECT_EQ(SplitLines("a\nb"), (Lines{"a", "b"}));
  EXPECT_EQ(SplitLines("a\r\n\r\nb"), (Lines{"a", "", "b"}));
  // Old tools end lines with a bare CR, some only one line among others.
  EXPECT_EQ(SplitLines("a\rb\r\nc\rd\n"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(JoinLines({"a", "b"}), "a\r\nb\r\n");
  EXPECT_EQ(JoinLines({}), "");
}

TEST_F(LogEditTest, EachFailingStepOfAnAtomicReplaceLeavesTheTargetAsItWas) {
  using Step = IoError::Step;
  for (const Step step : {Step::Write, Step::Flush, Step::Rename, Step::Create, Step::Check}) {
    writeLog("old\r\n");
    FaultyFileSystem faulty(disk);
    faulty.failAt(step, ENOSPC);
    const IoStatus error = ReplaceFileAtomically(faulty, logPath(), "new\r\n");
    ASSERT_TRUE(error) << static_cast<int>(step);
    EXPECT_EQ(error->errnum, ENOSPC);
    EXPECT_EQ(log(), "old\r\n");
    EXPECT_EQ(disk.fileNames(folder.path()), std::vector<std::string>{"F4ABC_KMB.log"});
    EXPECT_NE(IoErrorMessage(*error).find("disque est plein"), std::string::npos);
  }
}

TEST_F(LogEditTest, AnAtomicReplaceRefusesAReadOnlyTargetAndAReadOnlyFolder) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write anywhere";
  writeLog("old\r\n");
  ::chmod(logPath().c_str(), 0444);
  EXPECT_TRUE(ReplaceFileAtomically(disk, logPath(), "new\r\n"));
  ::chmod(logPath().c_str(), 0644);
  ::chmod(folder.path().c_str(), 0555);
  EXPECT_TRUE(ReplaceFileAtomically(disk, logPath(), "new\r\n"));
  EXPECT_EQ(log(), "old\r\n");
}

// Nothing planted in the folder (a link, a file of the temporary naming)
// is ever opened or followed; a link the operator made to the log stays one.
TEST_F(LogEditTest, WritesThroughNoPlantedLinkAndKeepsTheOperatorsLink) {
  TempFolder outside;
  const auto victim = outside.path() / "victime.txt";
  ASSERT_FALSE(disk.writeAll(victim, "intact"));
  std::filesystem::create_symlink(victim, folder.path() / "Temporaire.txt");
  EXPECT_EQ(disk.writeAll(folder.path() / "Temporaire.txt", "x")->errnum, EEXIST);

  const auto synced = outside.path() / "F4ABC_KMB.log";
  ASSERT_FALSE(disk.writeAll(synced, JoinLines({Line("F1AAA")})));
  EXPECT_EQ(CreateLogFile(disk, outside.path(), "F4ABC")->errnum, EEXIST);  // an existing log is never emptied
  std::filesystem::create_symlink(synced, logPath());
  EXPECT_TRUE(append(listed(), "", nullptr, {FirstNameLine("F4NEW", "89", "JEAN")}).done());
  EXPECT_TRUE(std::filesystem::is_symlink(logPath()));
  EXPECT_EQ(disk.readAll(synced).bytes, JoinLines({Line("F1AAA"), Line("F4NEW")}));
  EXPECT_EQ(disk.readAll(victim).bytes, "intact");
  EXPECT_EQ(disk.fileNames(outside.path()), (std::vector<std::string>{"F4ABC_KMB.log", "victime.txt"}));
}

TEST_F(LogEditTest, ABackupNameTakenByALinkOrAFolderIsNeverTakenForTheCopy) {
  writeLog(JoinLines({Line("F1AAA")}));
  TempFolder outside;
  const auto backups = BackupFolder(folder.path());
  ASSERT_FALSE(disk.createFolder(backups));
  ASSERT_FALSE(disk.writeAll(outside.path() / "autre", "intact"));
  std::filesystem::create_symlink(outside.path() / "autre", backups / "F4ABC_KMB_2026-12-06.log");
  EXPECT_FALSE(append(listed(), "2026-12-06").backupError);
  EXPECT_TRUE(disk.isRegularFile(backups / "F4ABC_KMB_2026-12-06.log"));
  EXPECT_EQ(disk.readAll(outside.path() / "autre").bytes, "intact");

  std::filesystem::create_directory(backups / "F4ABC_KMB_2026-12-07.log");
  const EditResult result = append(listed(), "2026-12-07");
  EXPECT_TRUE(result.done());
  ASSERT_TRUE(result.backupError);
  EXPECT_NE(IoErrorMessage(*result.backupError).find("c'est un dossier"), std::string::npos);
}

TEST_F(LogEditTest, LeftoverTemporaryFilesAreRemovedAndNothingElse) {
  const std::vector<std::string> kept{"F4ABC_KMB.log", "Temporaire-0123456789ABCDEF.tmp", "Temporaire-12.tmp"};
  for (const std::string& name :
       {kept[0], kept[1], kept[2], std::string("Temporaire.txt"), std::string("Temporaire-0123456789abcdef.tmp")})
    ASSERT_FALSE(disk.writeAll(folder.path() / name, "x"));
  std::filesystem::create_symlink(logPath(), folder.path() / "Temporaire6.txt");
  RemoveLeftoverTemporaryFiles(disk, folder.path());
  auto names = disk.fileNames(folder.path());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, kept);
  EXPECT_TRUE(std::filesystem::is_symlink(folder.path() / "Temporaire6.txt"));
}

TEST_F(LogEditTest, OneCopyOfTheProgramAtATimeWorksOnTheFolder) {
  LockResult first = disk.lockFolder(folder.path());
  ASSERT_TRUE(first.lock);
  const LockResult second = disk.lockFolder(folder.path());
  ASSERT_TRUE(second.error);
  EXPECT_EQ(second.error->errnum, EWOULDBLOCK);
  EXPECT_NE(IoErrorMessage(*second.error).find("autre fenêtre"), std::string::npos);
  first.lock.reset();  // a run that ends, however it ends, lets go
  EXPECT_TRUE(disk.lockFolder(folder.path()).lock);
}

TEST(IoErrorMessage, NamesTheCauseInWords) {
  for (const int errnum : {EEXIST, ENOTDIR, EISDIR, ENOSPC, EROFS, EACCES, ELOOP, EMLINK}) {
    const std::string text = IoErrorMessage({IoError::Step::Write, "/dossier/F4ABC_KMB.log", errnum});
    EXPECT_NE(text.find("/dossier/F4ABC_KMB.log : "), std::string::npos);
    EXPECT_EQ(text.find("n\xC2\xB0"), std::string::npos) << text;
  }
}
