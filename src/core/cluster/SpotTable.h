#pragma once
// The spots of the last two hours, one row for the spots of a same call sign,
// reference and band made within 15 minutes of each other, newest first, at
// most 500 rows. Within a minute, a live spot goes above the rows already
// there and a listed one (from "sh/dx") below them. Past 500 rows the oldest
// leaves, one that names no reference first.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/cluster/SpotLine.h"
#include "core/cluster/SpotTime.h"

namespace kmb {

struct SpotRow {
  // Unique within its table and kept while later spots merge into the row, so
  // that a window can keep the same spot selected as rows move.
  std::uint64_t id = 0;
  std::string call;
  std::string reference;  // stored form; empty for a spot that names none
  std::string_view band;  // the label of kBands
  double kHz = 0;         // of the latest spot, as its mode, comment and spotter
  std::string mode;
  std::string comment;
  std::string spotter;
  Minute last = 0;
  std::vector<std::string> spotters;  // distinct, at most kMaxSpottersKept
};

class SpotTable {
 public:
  static constexpr std::size_t kMaxRows = 500;
  static constexpr Minute kMergeMinutes = 15;
  static constexpr Minute kKeptMinutes = 120;
  static constexpr std::size_t kMaxSpottersKept = 32;

  // Takes in a spot made at `when`; false when it changed nothing: a spot
  // outside every band, or older than two hours before `now`.
  bool add(const Spot& spot, Minute when, Minute now);
  // Lets the rows older than two hours before `now` leave; true when some left.
  bool expire(Minute now);
  const std::vector<SpotRow>& rows() const { return rows_; }

 private:
  std::vector<SpotRow>::iterator rowToMerge(const SpotRow& spot);
  void place(SpotRow row, bool listed);
  void keepWithinLimit();

  std::vector<SpotRow> rows_;  // newest first
  std::uint64_t lastId_ = 0;
};

}  // namespace kmb
