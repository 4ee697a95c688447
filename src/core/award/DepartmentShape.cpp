#include "core/award/DepartmentShape.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

namespace kmb {
namespace {

// Walks path data: command letters and numbers separated by blanks or commas.
class PathTokens {
 public:
  explicit PathTokens(std::string_view data) : data_(data) {}

  void skipSeparators() {
    while (pos_ < data_.size() && (std::isspace(static_cast<unsigned char>(data_[pos_])) || data_[pos_] == ',')) ++pos_;
  }
  bool atEnd() {
    skipSeparators();
    return pos_ >= data_.size();
  }
  bool atCommand() {
    skipSeparators();
    return pos_ < data_.size() && std::isalpha(static_cast<unsigned char>(data_[pos_]));
  }
  char command() { return data_[pos_++]; }
  std::optional<double> number() {
    skipSeparators();
    const std::string rest(data_.substr(pos_, 32));
    char* end = nullptr;
    const double value = std::strtod(rest.c_str(), &end);
    if (end == rest.c_str()) return std::nullopt;
    pos_ += static_cast<std::size_t>(end - rest.c_str());
    return value;
  }

 private:
  std::string_view data_;
  std::size_t pos_ = 0;
};

double SignedArea(const MapRing& ring) {
  double twice = 0;
  for (std::size_t i = 0; i < ring.size(); ++i) {
    const MapPoint& a = ring[i];
    const MapPoint& b = ring[(i + 1) % ring.size()];
    twice += a.x * b.y - b.x * a.y;
  }
  return twice / 2;
}

MapPoint Centroid(const MapRing& ring) {
  const double area = SignedArea(ring);
  if (std::abs(area) < 1e-9) return ring.front();
  double cx = 0;
  double cy = 0;
  for (std::size_t i = 0; i < ring.size(); ++i) {
    const MapPoint& a = ring[i];
    const MapPoint& b = ring[(i + 1) % ring.size()];
    const double cross = a.x * b.y - b.x * a.y;
    cx += (a.x + b.x) * cross;
    cy += (a.y + b.y) * cross;
  }
  return {cx / (6 * area), cy / (6 * area)};
}

}  // namespace

MapRings ParseSvgPathRings(std::string_view pathData) {
  MapRings rings;
  MapPoint current;
  MapPoint start;
  char command = 0;
  PathTokens tokens(pathData);
  while (!tokens.atEnd()) {
    if (tokens.atCommand()) {
      command = tokens.command();
      if (command == 'z' || command == 'Z') {
        current = start;  // the next move is relative to the ring's start
        continue;
      }
    }
    const bool relative = std::islower(static_cast<unsigned char>(command)) != 0;
    const double baseX = relative ? current.x : 0;
    const double baseY = relative ? current.y : 0;
    switch (command) {
      case 'm':
      case 'M': {
        const auto x = tokens.number();
        const auto y = tokens.number();
        if (!x || !y) return rings;
        current = start = {baseX + *x, baseY + *y};
        rings.push_back({current});
        command = relative ? 'l' : 'L';  // further pairs are lines
        break;
      }
      case 'l':
      case 'L': {
        const auto x = tokens.number();
        const auto y = tokens.number();
        if (!x || !y || rings.empty()) return rings;
        current = {baseX + *x, baseY + *y};
        rings.back().push_back(current);
        break;
      }
      case 'h':
      case 'H': {
        const auto x = tokens.number();
        if (!x || rings.empty()) return rings;
        current.x = baseX + *x;
        rings.back().push_back(current);
        break;
      }
      case 'v':
      case 'V': {
        const auto y = tokens.number();
        if (!y || rings.empty()) return rings;
        current.y = baseY + *y;
        rings.back().push_back(current);
        break;
      }
      default: return rings;
    }
  }
  return rings;
}

MapPoint LabelPoint(const MapRings& rings) {
  const MapRing* largest = nullptr;
  double largestArea = -1;
  for (const MapRing& ring : rings) {
    if (ring.empty()) continue;
    const double area = std::abs(SignedArea(ring));
    if (area > largestArea) {
      largestArea = area;
      largest = &ring;
    }
  }
  return largest ? Centroid(*largest) : MapPoint{};
}

}  // namespace kmb
