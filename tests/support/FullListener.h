#pragma once
// Listeners on 127.0.0.1 on a free port, in plain sockets for the core tests
// and the window tests: one whose connections the system accepts, and one
// whose queue is full, where a new connection hangs as one to a host that
// does not answer, until the listener is gone.
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>
#include <string>
#include <vector>

class LoopbackListener {
 public:
  explicit LoopbackListener(int backlog = 8) : listener_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
    address_.sin_family = AF_INET;
    address_.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address_;
    if (::bind(listener_, reinterpret_cast<sockaddr*>(&address_), length) != 0 || ::listen(listener_, backlog) != 0 ||
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address_), &length) != 0)
      throw std::runtime_error("no loopback listener");
  }
  ~LoopbackListener() { ::close(listener_); }
  LoopbackListener(const LoopbackListener&) = delete;
  LoopbackListener& operator=(const LoopbackListener&) = delete;

  int port() const { return ntohs(address_.sin_port); }
  std::string address() const { return "127.0.0.1:" + std::to_string(port()); }

 protected:
  const sockaddr_in& socketAddress() const { return address_; }

 private:
  int listener_;
  sockaddr_in address_{};
};

class FullListener final : public LoopbackListener {
 public:
  FullListener() : LoopbackListener(0) {
    // Connections nobody accepts fill the queue; the first one that hangs shows it is full.
    const sockaddr_in& address = socketAddress();
    for (int tries = 0; tries < 8; ++tries) {
      const int filler = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
      fillers_.push_back(filler);
      ::connect(filler, reinterpret_cast<const sockaddr*>(&address), sizeof address);
      pollfd writable{filler, POLLOUT, 0};
      if (::poll(&writable, 1, 100) == 0) return;
    }
    throw std::runtime_error("the listener's queue does not fill");
  }
  ~FullListener() {
    for (const int filler : fillers_) ::close(filler);
  }

 private:
  std::vector<int> fillers_;
};
