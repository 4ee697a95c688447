#include "core/cluster/SpotTable.h"

#include <algorithm>
#include <cstdlib>

#include "core/cluster/KmbReference.h"
#include "core/log/Bands.h"

namespace kmb {
namespace {

bool Newer(const SpotRow& a, const SpotRow& b) { return a.last > b.last; }

void AddSpotter(SpotRow& row, const std::string& spotter) {
  if (row.spotters.size() < SpotTable::kMaxSpottersKept &&
      std::find(row.spotters.begin(), row.spotters.end(), spotter) == row.spotters.end())
    row.spotters.push_back(spotter);
}

}  // namespace

bool SpotTable::add(const Spot& spot, Minute when, Minute now) {
  const Band* band = BandOfFrequency(spot.kHz / 1000);
  if (!band || when < now - kKeptMinutes) return false;
  expire(now);
  SpotRow row{
      0,    spot.call,     KmbReference(spot.comment), band->label, spot.kHz, spot.mode, spot.comment, spot.spotter,
      when, {spot.spotter}};
  const bool listed = spot.day.has_value();
  const auto merged = rowToMerge(row);
  if (merged == rows_.end()) {
    row.id = ++lastId_;
    place(std::move(row), listed);
    keepWithinLimit();
    return true;
  }
  AddSpotter(*merged, spot.spotter);
  // A listing line older than the row's latest spot only adds its spotter.
  if (when >= merged->last) {
    if (row.mode.empty()) row.mode = merged->mode;  // a later spot silent on the mode does not change it
    row.id = merged->id;
    row.spotters = std::move(merged->spotters);
    rows_.erase(merged);
    place(std::move(row), listed);
  }
  return true;
}

std::vector<SpotRow>::iterator SpotTable::rowToMerge(const SpotRow& spot) {
  return std::find_if(rows_.begin(), rows_.end(), [&spot](const SpotRow& row) {
    return std::abs(row.last - spot.last) <= kMergeMinutes && row.band == spot.band && row.call == spot.call &&
           row.reference == spot.reference;
  });
}

// A live spot is the newest of its minute. A node lists its spots newest
// first, so a listed one goes below those of its minute, keeping that order.
void SpotTable::place(SpotRow row, bool listed) {
  const auto at = listed ? std::upper_bound(rows_.begin(), rows_.end(), row, Newer)
                         : std::lower_bound(rows_.begin(), rows_.end(), row, Newer);
  rows_.insert(at, std::move(row));
}

// The oldest spot that names no reference leaves first, so that a busy
// cluster never pushes the wash-houses out.
void SpotTable::keepWithinLimit() {
  if (rows_.size() <= kMaxRows) return;
  const auto other =
      std::find_if(rows_.rbegin(), rows_.rend(), [](const SpotRow& row) { return row.reference.empty(); });
  rows_.erase(other != rows_.rend() ? std::next(other).base() : std::prev(rows_.end()));
}

bool SpotTable::expire(Minute now) {
  const auto first =
      std::find_if(rows_.begin(), rows_.end(), [now](const SpotRow& row) { return row.last < now - kKeptMinutes; });
  const bool some = first != rows_.end();
  rows_.erase(first, rows_.end());
  return some;
}

}  // namespace kmb
