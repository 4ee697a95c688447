#include "core/award/MapColouring.h"

#include "core/log/LogLine.h"

namespace kmb {

MapBoxes ColourMapBoxes(const Lines& log, std::string_view group) {
  MapBoxes boxes;
  boxes.fill(BoxState::NotContacted);
  for (const Bytes& line : log) {
    const std::string_view lineGroup = BandGroup(log_columns::Bande(line));
    if (lineGroup.empty() || lineGroup != group) continue;
    const auto box = DepartmentNumber(log_columns::Dpt(line), DepartmentReading::WholeNumber);
    if (!box) continue;
    BoxState& state = boxes[static_cast<std::size_t>(*box)];
    if (IsConfirmed(log_columns::Qsl(line)))
      state = BoxState::Confirmed;
    else if (state != BoxState::Confirmed)
      state = BoxState::NotConfirmed;
  }
  return boxes;
}

MapCounts CountMapBoxes(const MapBoxes& boxes) {
  MapCounts counts;
  for (std::size_t index = 1; index < boxes.size(); ++index) {
    if (boxes[index] == BoxState::Confirmed) ++counts.confirmed;
    if (boxes[index] == BoxState::NotConfirmed) ++counts.notConfirmed;
  }
  counts.contacted = counts.confirmed + counts.notConfirmed;
  return counts;
}

std::string MapBoxText(int index) {
  switch (index) {
    case 0: return "00";
    case 20:
    case 98:
    case 99: return "X";
    case 96: return "2a";
    case 97: return "2b";
    default: return (index < 10 ? "0" : "") + std::to_string(index);
  }
}

}  // namespace kmb
