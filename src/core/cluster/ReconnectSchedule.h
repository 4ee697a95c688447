#pragma once
// When to try a lost node again: 5 s after the loss, then twice as long each
// time up to 60 s, and never more than three tries within a minute. A node
// that accepts and hangs up at once counts as one that refuses: the delay
// falls back to 5 s only after a connection that lasted a minute. All spans
// follow the first delay, so that tests run a fast schedule.
#include <deque>
#include <optional>

namespace kmb {

class ReconnectSchedule {
 public:
  static constexpr long long kFirstDelayMs = 5000;

  explicit ReconnectSchedule(long long firstDelayMs = kFirstDelayMs);

  // A try after a loss starts at `nowMs` (milliseconds of a steady clock).
  void tryingAt(long long nowMs);
  // A connection is made at `nowMs`.
  void connectedAt(long long nowMs) { connectedAt_ = nowMs; }
  // The wait before the next try, the connection lost at `nowMs`.
  long long delayAfterLoss(long long nowMs);

 private:
  static constexpr int kTriesPerSpan = 3;
  long long first_;
  long long delay_;
  std::deque<long long> tries_;           // the last kTriesPerSpan
  std::optional<long long> connectedAt_;  // of the connection not yet lost
};

}  // namespace kmb
