#pragma once
// What the watch of the spots tells beyond the list: the new lavoirs heard in
// the last 15 minutes, their departments, how old a spot is, which new lavoir
// was announced already, and the node's own words.
#include <cstddef>
#include <deque>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/cluster/SpotTable.h"
#include "core/cluster/SpotTime.h"
#include "core/cluster/WorkedReferences.h"

namespace kmb {

inline constexpr Minute kOnAirMinutes = 15;

// "Nouveau lavoir" and "Nouveau sur la bande".
bool IsNew(ReferenceState state);

// The rows of a new lavoir spotted in the last 15 minutes, newest first.
std::vector<const SpotRow*> NewOnAir(const std::vector<SpotRow>& rows, const WorkedReferences& worked, Minute now);

// Lavoirs on the air now by department ("89", "2a"): rows of the last 15
// minutes on a band of `group` whose lavoir is not contacted on that band.
std::map<std::string, int> DepartmentsOnAir(const std::vector<SpotRow>& rows, const WorkedReferences& worked,
                                            Minute now, std::string_view group);

// The department a reference names: its first two characters.
std::string DepartmentOf(std::string_view reference);

// "à l'instant", "il y a 3 min", "il y a 1 h 05" (UTF-8).
std::string SpotAge(Minute last, Minute now);

// A new lavoir on a band is announced once an hour at most.
class AnnouncedLavoirs {
 public:
  static constexpr Minute kQuietMinutes = 60;

  // True, and remembered, when `reference` on `band` was not announced in
  // the last hour. Older memories go once a minute, so the memory stays
  // small and a burst of spots costs no more than one.
  bool firstInTheHour(const std::string& reference, std::string_view band, Minute now);
  std::size_t remembered() const { return lastAnnounced_.size(); }

 private:
  std::map<std::pair<std::string, std::string>, Minute> lastAnnounced_;
  Minute forgotten_ = -1;  // the minute the memory was last cleared of the hour gone
};

// The node's last lines that are not spots: its answers, its refusals, its news.
class NodeMessages {
 public:
  static constexpr std::size_t kKept = 200;

  void add(std::string line);
  const std::deque<std::string>& lines() const { return lines_; }

 private:
  std::deque<std::string> lines_;
};

}  // namespace kmb
