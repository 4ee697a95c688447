#pragma once
// What every award window reads from the log: band groups, department
// numbers, confirmations, and the counts built on them.
#include <filesystem>
#include <optional>
#include <string_view>

#include "core/log/Bands.h"
#include "core/log/LogFile.h"

namespace kmb {

// "HF", "VHF", "UHF", or empty when the trimmed band text is not one of the
// labels the award knows ("10 Mhz" belongs to no group).
std::string_view BandGroup(std::string_view band);

// The windows read department codes differently.
enum class DepartmentReading {
  LeadingDigits,  // scores: "2c" reads 2; gives 1..97
  WholeNumber,    // map: the whole code must be digits; gives a box index 0..99
};

// "2a"/"2A" is 96, "2b"/"2B" 97; otherwise the code read by `reading`, and a
// code that reads 96 or 97 is no department.
// Empty when the code gives nothing the window can mark.
std::optional<int> DepartmentNumber(std::string_view dpt, DepartmentReading reading);

bool IsConfirmed(char qsl);

// A confirmed QSO of the band group: what the confirmed counts and the
// diplomas take; an empty group holds none.
bool ConfirmedInGroup(std::string_view line, std::string_view group);

struct GroupCounts {
  int contacted = 0;
  int confirmed = 0;
  int confirmedDepartments = 0;  // distinct departments 1..97 with a confirmed QSO

  bool operator==(const GroupCounts&) const = default;
};

// Counts of one band group, departments read by their leading digits.
GroupCounts CountGroup(const Lines& log, std::string_view group);

// The current station's log, read afresh from its first line to its last.
LinesResult OpenStationLog(FileSystem& fs, const std::filesystem::path& folder, std::string_view storedCall);

}  // namespace kmb
