#include "core/cluster/ClusterLogin.h"

#include <algorithm>
#include <array>

#include "core/cluster/CaselessSearch.h"

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

std::string ClusterLogin::onText(std::string_view text) {
  const bool asked = step_ == Step::AwaitingLoginPrompt ? IsLoginPrompt(text) : IsNodePrompt(text);
  return asked ? next() : std::string();
}

std::string ClusterLogin::onSilence() { return next(); }

std::string ClusterLogin::next() {
  switch (step_) {
    case Step::AwaitingLoginPrompt: step_ = Step::AwaitingNodePrompt; return call_ + "\r\n";
    case Step::AwaitingNodePrompt: step_ = Step::Done; return std::string(kRecentSpotsRequest);
    case Step::Done: break;
  }
  return {};
}

}  // namespace kmb
