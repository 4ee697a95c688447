#pragma once
// When to try a lost node again: 5 s after the loss, then twice as long each
// time up to 60 s, and never more than three tries within a minute, even when
// each try connects and is lost at once. All spans follow the first delay, so
// that tests run a fast schedule.
#include <deque>

namespace kmb {

class ReconnectSchedule {
 public:
  static constexpr long long kFirstDelayMs = 5000;

  explicit ReconnectSchedule(long long firstDelayMs = kFirstDelayMs);

  // A try after a loss starts at `nowMs` (milliseconds of a steady clock).
  void tryingAt(long long nowMs);
  // The connection worked: the next loss waits the first delay again.
  void connected() { delay_ = first_; }
  // The wait before the next try, the connection lost at `nowMs`.
  long long delayAfterLoss(long long nowMs);

 private:
  static constexpr int kTriesPerSpan = 3;
  long long first_;
  long long delay_;
  std::deque<long long> tries_;  // the last kTriesPerSpan
};

}  // namespace kmb
