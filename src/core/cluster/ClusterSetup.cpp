#include "core/cluster/ClusterSetup.h"

#include <algorithm>
#include <cctype>

namespace kmb {
namespace {

constexpr std::size_t kMaxClusterCallLength = 20;
constexpr int kMaxPort = 65535;

std::optional<int> Port(std::string_view digits) {
  if (digits.empty() || digits.size() > 5) return std::nullopt;
  int port = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    port = port * 10 + (c - '0');
  }
  if (port < 1 || port > kMaxPort) return std::nullopt;
  return port;
}

bool IsHostCharacter(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '_' || c == ':';
}

}  // namespace

std::optional<NodeAddress> ParseNodeAddress(std::string_view typed) {
  const auto colon = typed.rfind(':');
  if (colon == std::string_view::npos) return std::nullopt;
  std::string_view host = typed.substr(0, colon);
  const auto port = Port(typed.substr(colon + 1));
  const bool bracketed = host.size() > 2 && host.front() == '[' && host.back() == ']';
  if (bracketed) host = host.substr(1, host.size() - 2);
  const bool hostOk = !host.empty() && std::all_of(host.begin(), host.end(), IsHostCharacter) &&
                      (bracketed || host.find(':') == std::string_view::npos);
  if (!port || !hostOk) return std::nullopt;
  return NodeAddress{std::string(host), *port};
}

bool IsClusterCall(std::string_view call) {
  return !call.empty() && call.size() <= kMaxClusterCallLength && std::all_of(call.begin(), call.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '/' || c == '-';
  });
}

}  // namespace kmb
