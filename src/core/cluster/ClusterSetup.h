#pragma once
// What the operator types to reach a node: its address "hôte:port" and the
// call sign to log in with (also the call of a spot sent).
#include <optional>
#include <string>
#include <string_view>

namespace kmb {

struct NodeAddress {
  std::string host;
  int port = 0;
};

// "dxc.example.fr:7300", "127.0.0.1:7300" or "[::1]:7300"; none for anything
// else (no port, a port outside 1-65535, blanks).
std::optional<NodeAddress> ParseNodeAddress(std::string_view typed);

// 1 to 20 letters, digits, "/" and "-" ("F4ABC/P", "F4ABC-2").
bool IsClusterCall(std::string_view call);

}  // namespace kmb
