#include "core/cluster/ClusterLogin.h"

#include <algorithm>
#include <array>

#include "core/cluster/CaselessSearch.h"
#include "core/cluster/SpotLine.h"

namespace kmb {
namespace {

// Nodes end their prompt with ">", as in "F4ABC de F6KXX-2 12-Mar-2024 1234Z dxspider >".
bool IsNodePrompt(std::string_view text) {
  const auto last = text.find_last_not_of(' ');
  return last != std::string_view::npos && text[last] == '>';
}

}  // namespace

bool IsLoginPrompt(std::string_view text) {
  constexpr std::array<std::string_view, 3> kPrompts{"login:", "call:", "please enter your call"};
  return std::any_of(kPrompts.begin(), kPrompts.end(),
                     [text](std::string_view prompt) { return FindCaseless(text, prompt) != std::string_view::npos; });
}

std::string ClusterLogin::onLine(std::string_view line) {
  switch (step_) {
    case Step::AwaitingLoginPrompt: return IsLoginPrompt(line) ? next() : std::string();
    case Step::AwaitingNodePrompt:
      lineEnded_ = true;
      return IsNodePrompt(line) || ParseSpotLine(line) ? next() : std::string();
    case Step::Done: break;
  }
  return {};
}

std::string ClusterLogin::onPartial(std::string_view text) {
  switch (step_) {
    case Step::AwaitingLoginPrompt: return IsLoginPrompt(text) ? next() : std::string();
    case Step::AwaitingNodePrompt:
      if (IsNodePrompt(text)) return next();
      lineEnded_ = text.empty();  // a question, unless nothing is begun
      break;
    case Step::Done: break;
  }
  return {};
}

// Silence after a question is the node waiting for its answer, not for the request.
std::string ClusterLogin::onSilence() {
  return step_ == Step::AwaitingNodePrompt && !lineEnded_ ? std::string() : next();
}

std::string ClusterLogin::next() {
  switch (step_) {
    case Step::AwaitingLoginPrompt:
      step_ = Step::AwaitingNodePrompt;
      lineEnded_ = true;  // the call's own line end
      return call_ + "\r\n";
    case Step::AwaitingNodePrompt: step_ = Step::Done; return std::string(kRecentSpotsRequest);
    case Step::Done: break;
  }
  return {};
}

}  // namespace kmb
