#pragma once
// What the program says to a node, and when: its call sign once the node asks
// for it (or stays silent), then the request for the recent spots once the
// node shows its prompt or its first spot, or stays silent after a complete
// line. A question the node asks after the call (a name, a locator) is left
// unanswered: the request must not stand as its answer. Nothing else is ever
// sent unasked, and nothing the node sends is ever run.
#include <string>
#include <string_view>

namespace kmb {

// "login:", "call:" or "Please enter your call", in any case.
bool IsLoginPrompt(std::string_view text);

inline constexpr std::string_view kRecentSpotsRequest = "sh/dx 50\r\n";

class ClusterLogin {
 public:
  explicit ClusterLogin(std::string loginCall) : call_(std::move(loginCall)) {}

  // The bytes to send after the node sent a complete line; empty when nothing
  // is to be sent, as for the two below.
  std::string onLine(std::string_view line);
  // The bytes to send while the node leaves a line begun (its prompt, or a
  // question), as it stands so far.
  std::string onPartial(std::string_view text);
  // The bytes to send after the node stayed silent for a while.
  std::string onSilence();
  bool loggedIn() const { return step_ == Step::Done; }
  // The node asked a question after the call and waits for its answer.
  bool questionOpen() const { return step_ == Step::AwaitingNodePrompt && !lineEnded_; }

 private:
  enum class Step { AwaitingLoginPrompt, AwaitingNodePrompt, Done };
  std::string next();

  std::string call_;
  Step step_ = Step::AwaitingLoginPrompt;
  bool lineEnded_ = true;  // false while the node's last words are a question left open
};

}  // namespace kmb
