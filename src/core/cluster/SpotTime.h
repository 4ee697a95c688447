#pragma once
// Minutes counted from 1970-01-01 00:00 UTC, so that spots of two days and the
// clock compare.
#include "core/app/Clock.h"
#include "core/cluster/SpotLine.h"

namespace kmb {

using Minute = long long;

Minute MinuteOf(const ClockReading& utc);

// When the spot was made: its own date, or else the latest day on which its
// time is not more than an hour after `now` (a node's clock may run ahead).
Minute SpotMinute(const Spot& spot, const ClockReading& now);

}  // namespace kmb
