#pragma once
// A network radio's host reached before Hamlib connects to it, so that
// neither the look-up of its name nor the connection waits longer than a
// limit: Hamlib would wait as long as the system does, about two minutes for
// a host that does not answer.
#include <chrono>
#include <string>
#include <string_view>

namespace kmb {

// rigctld's port when the operator gives none.
inline constexpr int kRigctldPort = 4532;

struct ReachedHost {
  std::string address;  // numeric, "127.0.0.1:4532": Hamlib then has nothing to look up
  std::string failure;  // in French; empty once reached
};

// `hostAndPort` as typed: "hôte:port", "hôte" alone, "[::1]:4532".
ReachedHost ReachHost(std::string_view hostAndPort, std::chrono::milliseconds limit);

}  // namespace kmb
