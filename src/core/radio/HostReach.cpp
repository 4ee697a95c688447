#include "core/radio/HostReach.h"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "core/log/Descriptor.h"

namespace kmb {
namespace {

using SteadyClock = std::chrono::steady_clock;
using Addresses = std::unique_ptr<addrinfo, decltype(&freeaddrinfo)>;

struct HostAndPort {
  std::string host;
  std::string port;
};

bool IsPort(std::string_view digits) {
  if (digits.empty() || digits.size() > 5 ||
      !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return false;
  const int port = std::stoi(std::string(digits));
  return port >= 1 && port <= 65535;
}

// "hôte:port", "hôte", "[::1]:4532"; an address of several colons without brackets is a bare IPv6 host.
std::optional<HostAndPort> Split(std::string_view typed) {
  std::string_view host = typed;
  std::string_view port;
  if (typed.starts_with('[')) {
    const auto close = typed.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    host = typed.substr(1, close - 1);
    const std::string_view rest = typed.substr(close + 1);
    if (!rest.empty() && !rest.starts_with(':')) return std::nullopt;
    port = rest.empty() ? rest : rest.substr(1);
  } else if (const auto colon = typed.rfind(':'); colon != std::string_view::npos && typed.find(':') == colon) {
    host = typed.substr(0, colon);
    port = typed.substr(colon + 1);
  }
  const std::string portText = port.empty() ? std::to_string(kRigctldPort) : std::string(port);
  if (host.empty() || !IsPort(portText)) return std::nullopt;
  return HostAndPort{std::string(host), portText};
}

// What a look-up left on its own thread: taken by the caller, or freed by the
// thread itself once the caller has given up.
struct LookUp {
  std::mutex mutex;
  std::condition_variable done;
  bool finished = false;
  bool abandoned = false;
  int error = 0;
  addrinfo* found = nullptr;
};

Addresses NoAddresses() { return {nullptr, &freeaddrinfo}; }

// A numeric address needs no name server: looked up here and now.
Addresses NumericAddresses(const HostAndPort& target) {
  addrinfo hints{};
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_flags = AI_NUMERICHOST | AI_NUMERICSERV;
  addrinfo* found = nullptr;
  if (getaddrinfo(target.host.c_str(), target.port.c_str(), &hints, &found) != 0) return NoAddresses();
  return {found, &freeaddrinfo};
}

// getaddrinfo has no time limit: it runs on a thread of its own, left behind
// when it takes longer than the caller may wait.
Addresses LookUpName(const HostAndPort& target, SteadyClock::time_point deadline, std::string& failure) {
  auto lookUp = std::make_shared<LookUp>();
  std::thread([lookUp, target] {
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_NUMERICSERV;
    addrinfo* found = nullptr;
    const int error = getaddrinfo(target.host.c_str(), target.port.c_str(), &hints, &found);
    const std::lock_guard lock(lookUp->mutex);
    if (lookUp->abandoned) {
      if (error == 0) freeaddrinfo(found);
      return;
    }
    lookUp->finished = true;
    lookUp->error = error;
    lookUp->found = found;
    lookUp->done.notify_one();
  }).detach();
  std::unique_lock lock(lookUp->mutex);
  if (!lookUp->done.wait_until(lock, deadline, [&] { return lookUp->finished; })) {
    lookUp->abandoned = true;
    failure = "le nom « " + target.host + " » ne se résout pas à temps";
    return NoAddresses();
  }
  if (lookUp->error != 0) {
    failure = "hôte « " + target.host + " » introuvable";
    return NoAddresses();
  }
  return {lookUp->found, &freeaddrinfo};
}

// 0 once connected, else the failure's errno (ETIMEDOUT when the deadline passed first).
int ConnectBefore(const addrinfo& address, SteadyClock::time_point deadline) {
  const Descriptor socket(::socket(address.ai_family, address.ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
  if (socket.get() < 0) return errno;
  if (::connect(socket.get(), address.ai_addr, address.ai_addrlen) == 0) return 0;
  if (errno != EINPROGRESS) return errno;
  pollfd writable{socket.get(), POLLOUT, 0};
  for (;;) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - SteadyClock::now()).count();
    if (left <= 0) return ETIMEDOUT;
    const int ready = ::poll(&writable, 1, int(left));
    if (ready > 0) break;
    if (ready == 0) return ETIMEDOUT;
    if (errno != EINTR) return errno;
  }
  int error = 0;
  socklen_t length = sizeof error;
  if (::getsockopt(socket.get(), SOL_SOCKET, SO_ERROR, &error, &length) != 0) return errno;
  return error;
}

std::string NumericAddress(const addrinfo& address) {
  char host[NI_MAXHOST];
  char port[NI_MAXSERV];
  if (getnameinfo(address.ai_addr, address.ai_addrlen, host, sizeof host, port, sizeof port,
                  NI_NUMERICHOST | NI_NUMERICSERV) != 0)
    return {};
  const std::string shown = address.ai_family == AF_INET6 ? "[" + std::string(host) + "]" : std::string(host);
  return shown + ":" + port;
}

std::string ConnectionFailure(int error, const std::string& host) {
  if (error == ECONNREFUSED) return "connexion refusée par " + host + " (rigctld est-il lancé ?)";
  if (error == ETIMEDOUT) return "l'hôte " + host + " ne répond pas";
  return "l'hôte " + host + " est injoignable";
}

}  // namespace

ReachedHost ReachHost(std::string_view hostAndPort, std::chrono::milliseconds limit) {
  const auto deadline = SteadyClock::now() + limit;
  const auto target = Split(hostAndPort);
  if (!target) return {{}, "adresse réseau illisible : hôte:port attendu"};
  std::string failure;
  Addresses addresses = NumericAddresses(*target);
  if (!addresses) addresses = LookUpName(*target, deadline, failure);
  if (!addresses) return {{}, failure};
  int error = 0;
  for (const addrinfo* address = addresses.get(); address; address = address->ai_next) {
    error = ConnectBefore(*address, deadline);
    if (error == 0) return {NumericAddress(*address), {}};
    if (error == ETIMEDOUT) break;
  }
  return {{}, ConnectionFailure(error, target->host)};
}

}  // namespace kmb
