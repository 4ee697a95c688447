#include "core/cluster/SpotsOnAir.h"

#include <algorithm>

#include "core/log/Bands.h"
#include "core/log/Cp1252Case.h"
#include "core/log/FixedColumns.h"

namespace kmb {

bool IsNew(ReferenceState state) { return state == ReferenceState::NewLavoir || state == ReferenceState::NewOnBand; }

std::vector<const SpotRow*> NewOnAir(const std::vector<SpotRow>& rows, const WorkedReferences& worked, Minute now) {
  std::vector<const SpotRow*> found;
  for (const SpotRow& row : rows)
    if (now - row.last < kOnAirMinutes && IsNew(worked.stateOf(row.reference, row.band))) found.push_back(&row);
  std::stable_sort(found.begin(), found.end(), [](const SpotRow* a, const SpotRow* b) { return a->last > b->last; });
  return found;
}

std::map<std::string, int> DepartmentsOnAir(const std::vector<SpotRow>& rows, const WorkedReferences& worked,
                                            Minute now, std::string_view group) {
  std::map<std::string, int> departments;
  for (const SpotRow* row : NewOnAir(rows, worked, now)) {
    const Band* band = BandOfLabel(row->band);
    if (band && band->group == group) ++departments[DepartmentOf(row->reference)];
  }
  return departments;
}

std::string DepartmentOf(std::string_view reference) { return LowerCp1252(reference.substr(0, 2)); }

std::string SpotAge(Minute last, Minute now) {
  const Minute age = std::max<Minute>(0, now - last);
  if (age == 0) return "à l'instant";
  if (age < 60) return "il y a " + std::to_string(age) + " min";
  return "il y a " + std::to_string(age / 60) + " h " + TwoDigits(static_cast<int>(age % 60));
}

bool AnnouncedLavoirs::firstInTheHour(const std::string& reference, std::string_view band, Minute now) {
  if (now != forgotten_) {
    std::erase_if(lastAnnounced_, [now](const auto& entry) { return now - entry.second >= kQuietMinutes; });
    forgotten_ = now;
  }
  return lastAnnounced_.try_emplace({reference, std::string(band)}, now).second;
}

void NodeMessages::add(std::string line) {
  if (Trim(line).empty()) return;
  lines_.push_back(std::move(line));
  if (lines_.size() > kKept) lines_.pop_front();
}

}  // namespace kmb
