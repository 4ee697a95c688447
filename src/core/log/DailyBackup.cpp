#include "core/log/DailyBackup.h"

#include <algorithm>
#include <cerrno>
#include <string>
#include <vector>

#include "core/log/LogFile.h"

namespace kmb {
namespace {

constexpr std::size_t kDayLength = 10;  // YYYY-MM-DD

std::string BackupPrefix(std::string_view storedCall) { return std::string(storedCall) + "_KMB_"; }

bool IsBackupOf(std::string_view name, std::string_view storedCall) {
  const std::string prefix = BackupPrefix(storedCall);
  if (name.size() != prefix.size() + kDayLength + 4 || !name.starts_with(prefix) || !name.ends_with(".log"))
    return false;
  const std::string_view day = name.substr(prefix.size(), kDayLength);
  for (std::size_t i = 0; i < day.size(); ++i) {
    const bool dash = i == 4 || i == 7;
    if (dash ? day[i] != '-' : (day[i] < '0' || day[i] > '9')) return false;
  }
  return true;
}

// Their names hold the day year first, so name order is day order.
void KeepMostRecent(FileSystem& fs, const std::filesystem::path& backups, std::string_view storedCall) {
  std::vector<std::string> copies;
  for (std::string& name : fs.fileNames(backups))
    if (IsBackupOf(name, storedCall)) copies.push_back(std::move(name));
  if (copies.size() <= kKeptBackups) return;
  std::sort(copies.begin(), copies.end());
  for (std::size_t i = 0; i + kKeptBackups < copies.size(); ++i) fs.remove(backups / copies[i]);
}

}  // namespace

std::filesystem::path BackupFolder(const std::filesystem::path& folder) { return folder / kBackupFolderName; }

IoStatus BackupLogOfTheDay(FileSystem& fs, const std::filesystem::path& folder, std::string_view storedCall,
                           std::string_view day) {
  const auto backups = BackupFolder(folder);
  const std::string name = BackupPrefix(storedCall) + std::string(day) + ".log";
  // Only a real copy counts as done; a link or a folder in its place does not.
  if (fs.isRegularFile(backups / name)) return std::nullopt;
  const ReadResult log = fs.readAll(LogFilePath(folder, storedCall));
  if (log.error) return log.error->errnum == ENOENT ? std::nullopt : log.error;
  if (IoStatus error = fs.createFolder(backups)) return error;
  if (IoStatus error = ReplaceFileAtomically(fs, backups / name, log.bytes)) return error;
  KeepMostRecent(fs, backups, storedCall);
  return std::nullopt;
}

}  // namespace kmb
