#pragma once
// The outline of a department as the map's SVG path data gives it, and the
// point where its code box goes.
#include <string_view>
#include <vector>

namespace kmb {

struct MapPoint {
  double x = 0;
  double y = 0;
  bool operator==(const MapPoint&) const = default;
};

using MapRing = std::vector<MapPoint>;  // a closed outline
using MapRings = std::vector<MapRing>;  // a department and its islands

// Straight-line path data: M/m, L/l, H/h, V/v and Z/z, with the implicit
// line-to after a move. Curves are not expected; path data that holds any is
// read up to them.
MapRings ParseSvgPathRings(std::string_view pathData);

// The centroid of the largest ring, where a department's box sits.
MapPoint LabelPoint(const MapRings& rings);

}  // namespace kmb
