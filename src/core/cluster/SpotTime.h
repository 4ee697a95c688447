#pragma once
// Spots and the clock on one scale, the minutes of the log's QSO moments, so
// that spots of two days and the clock compare.
#include <optional>

#include "core/app/Clock.h"
#include "core/cluster/SpotLine.h"

namespace kmb {

using Minute = long long;

Minute MinuteOf(const ClockReading& utc);

// When the spot was made: its own date, or else the latest of yesterday,
// today and tomorrow on which its time is not more than an hour after `now`
// (a node's clock may run ahead, also past midnight); none for a date that is
// not real.
std::optional<Minute> SpotMinute(const Spot& spot, const ClockReading& now);

}  // namespace kmb
