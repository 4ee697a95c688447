#include "core/award/AwardRules.h"

#include <algorithm>
#include <array>
#include <bitset>

#include "core/log/Bands.h"
#include "core/log/FixedColumns.h"
#include "core/log/LeadingNumber.h"
#include "core/log/LogLine.h"
#include "core/log/LogSnapshot.h"

namespace kmb {
namespace {

constexpr int kLastDepartment = 97;
constexpr int kLastMapBox = 99;

constexpr int kCorseDuSud = 96;
constexpr int kHauteCorse = 97;

std::optional<int> CorsicaNumber(std::string_view code) {
  if (code == "2a" || code == "2A") return kCorseDuSud;
  if (code == "2b" || code == "2B") return kHauteCorse;
  return std::nullopt;
}

// 96 and 97 stand for 2A and 2B only: a typed "97" is no department, and
// must not count as Haute-Corse.
bool IsCorsicaSlot(long number) { return number == kCorseDuSud || number == kHauteCorse; }

std::optional<int> ByLeadingDigits(std::string_view code) {
  const long value = LeadingDigits(code);
  if (value < 1 || value > kLastDepartment || IsCorsicaSlot(value)) return std::nullopt;
  return static_cast<int>(value);
}

bool InGroup(std::string_view line, std::string_view group) {
  return !group.empty() && BandGroup(log_columns::Bande(line)) == group;
}

std::optional<int> AsWholeNumber(std::string_view code) {
  if (code.empty() || !std::all_of(code.begin(), code.end(), IsDigit)) return std::nullopt;
  const long value = LeadingDigits(code);
  if (value > kLastMapBox || IsCorsicaSlot(value)) return std::nullopt;
  return static_cast<int>(value);
}

}  // namespace

std::string_view BandGroup(std::string_view band) {
  const Band* known = BandOfLabel(Trim(band));
  return known ? known->group : std::string_view{};
}

std::optional<int> DepartmentNumber(std::string_view dpt, DepartmentReading reading) {
  const std::string code = Trim(dpt);
  if (const auto corsica = CorsicaNumber(code)) return corsica;
  return reading == DepartmentReading::LeadingDigits ? ByLeadingDigits(code) : AsWholeNumber(code);
}

bool IsConfirmed(char qsl) { return qsl == '*'; }

bool ConfirmedInGroup(std::string_view line, std::string_view group) {
  return InGroup(line, group) && IsConfirmed(log_columns::Qsl(line));
}

GroupCounts CountGroup(const Lines& log, std::string_view group) {
  GroupCounts counts;
  std::bitset<kLastDepartment + 1> confirmedDepartments;
  for (const Bytes& line : log) {
    if (!InGroup(line, group)) continue;
    ++counts.contacted;
    if (!ConfirmedInGroup(line, group)) continue;
    ++counts.confirmed;
    if (const auto department = DepartmentNumber(log_columns::Dpt(line), DepartmentReading::LeadingDigits))
      confirmedDepartments.set(static_cast<std::size_t>(*department));
  }
  counts.confirmedDepartments = static_cast<int>(confirmedDepartments.count());
  return counts;
}

LinesResult OpenStationLog(FileSystem& fs, const std::filesystem::path& folder, std::string_view storedCall) {
  return ReadLogLines(fs, LogFilePath(folder, storedCall));
}

}  // namespace kmb
