#include "award/AwardRules.h"

#include <algorithm>
#include <array>
#include <bitset>

#include "log/LeadingNumber.h"
#include "log/LogLine.h"
#include "log/LogSnapshot.h"

namespace kmb {
namespace {

struct BandLabel {
  std::string_view label;
  std::string_view group;
};

// 50 MHz is HF for the award: its VHF group is 144 MHz alone.
constexpr std::array<BandLabel, 11> kBandLabels{{
    {"1.8 Mhz", kHf},
    {"3.5 Mhz", kHf},
    {"7.0 Mhz", kHf},
    {"14 Mhz", kHf},
    {"18 Mhz", kHf},
    {"21 Mhz", kHf},
    {"24 Mhz", kHf},
    {"28 Mhz", kHf},
    {"50 Mhz", kHf},
    {"144 Mhz", kVhf},
    {"432 Mhz", kUhf},
}};

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

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<int> ByLeadingDigits(std::string_view code) {
  const long value = LeadingDigits(code);
  if (value < 1 || value > kLastDepartment || IsCorsicaSlot(value)) return std::nullopt;
  return static_cast<int>(value);
}

std::optional<int> AsWholeNumber(std::string_view code) {
  if (code.empty() || !std::all_of(code.begin(), code.end(), IsDigit)) return std::nullopt;
  const long value = LeadingDigits(code);
  if (value > kLastMapBox || IsCorsicaSlot(value)) return std::nullopt;
  return static_cast<int>(value);
}

}  // namespace

std::string_view BandGroup(std::string_view band) {
  const std::string trimmed = Trim(band);
  for (const BandLabel& known : kBandLabels)
    if (known.label == trimmed) return known.group;
  return {};
}

std::optional<int> DepartmentNumber(std::string_view dpt, DepartmentReading reading) {
  const std::string code = Trim(dpt);
  if (const auto corsica = CorsicaNumber(code)) return corsica;
  return reading == DepartmentReading::LeadingDigits ? ByLeadingDigits(code) : AsWholeNumber(code);
}

bool IsConfirmed(char qsl) { return qsl == '*'; }

GroupCounts CountGroup(const Lines& log, std::string_view group) {
  GroupCounts counts;
  std::bitset<kLastDepartment + 1> confirmedDepartments;
  for (const Bytes& line : log) {
    if (group.empty() || BandGroup(log_columns::Bande(line)) != group) continue;
    ++counts.contacted;
    if (!IsConfirmed(log_columns::Qsl(line))) continue;
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
