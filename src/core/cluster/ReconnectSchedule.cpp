#include "core/cluster/ReconnectSchedule.h"

#include <algorithm>

namespace kmb {
namespace {

// 60 s and one minute for a first delay of 5 s; also how long a connection
// lasts to count as working.
constexpr long long kLongestInFirstDelays = 12;

}  // namespace

ReconnectSchedule::ReconnectSchedule(long long firstDelayMs) : first_(firstDelayMs), delay_(firstDelayMs) {}

void ReconnectSchedule::tryingAt(long long nowMs) {
  tries_.push_back(nowMs);
  if (tries_.size() > kTriesPerSpan) tries_.pop_front();
}

long long ReconnectSchedule::delayAfterLoss(long long nowMs) {
  const long long span = first_ * kLongestInFirstDelays;
  if (connectedAt_ && nowMs - *connectedAt_ >= span) delay_ = first_;
  connectedAt_.reset();
  long long wait = delay_;
  if (tries_.size() == kTriesPerSpan) wait = std::max(wait, tries_.front() + span - nowMs);
  delay_ = std::min(delay_ * 2, span);
  return wait;
}

}  // namespace kmb
