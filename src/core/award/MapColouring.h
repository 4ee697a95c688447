#pragma once
// The state of every box of the department map for one band group. Boxes
// are numbered 0 to 99; 20, 98 and 99 stand for no department but count
// like the others when a code marks them.
#include <array>
#include <string>
#include <string_view>

#include "core/award/AwardRules.h"

namespace kmb {

enum class BoxState { NotContacted, NotConfirmed, Confirmed };

inline constexpr int kMapBoxCount = 100;
inline constexpr int kMetropolitanDepartments = 96;

using MapBoxes = std::array<BoxState, kMapBoxCount>;

// A confirmed box never goes back to not confirmed, whatever the order of
// the QSOs.
MapBoxes ColourMapBoxes(const Lines& log, std::string_view group);

struct MapCounts {
  int contacted = 0;
  int notConfirmed = 0;
  int confirmed = 0;

  // Against the fixed number of departments, not a count of boxes.
  int notContacted() const { return kMetropolitanDepartments - (confirmed + notConfirmed); }
  bool operator==(const MapCounts&) const = default;
};

// Over boxes 1 to 99.
MapCounts CountMapBoxes(const MapBoxes& boxes);

// The code a box shows: "01".."95", "2a", "2b"; "00" and "X" for the boxes
// that stand for no department.
std::string MapBoxText(int index);

}  // namespace kmb
