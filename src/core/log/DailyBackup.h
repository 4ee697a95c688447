#pragma once
// A copy of the log a day. Atomic rewriting protects the log from crashes
// and full disks, not from the operator's own mistakes (a QSO deleted by
// error): before the first change of a day the log is copied aside.
#include <cstddef>
#include <filesystem>
#include <string_view>

#include "core/log/FileSystem.h"

namespace kmb {

inline constexpr std::string_view kBackupFolderName = "Sauvegardes";
inline constexpr std::size_t kKeptBackups = 30;

// "Sauvegardes" beside the logs.
std::filesystem::path BackupFolder(const std::filesystem::path& folder);

// Copies the station's log to Sauvegardes/<call>_KMB_<day>.log unless that
// copy exists, then keeps the station's 30 most recent copies. `day` is
// "YYYY-MM-DD". An absent log has nothing to copy.
IoStatus BackupLogOfTheDay(FileSystem& fs, const std::filesystem::path& folder, std::string_view storedCall,
                           std::string_view day);

}  // namespace kmb
