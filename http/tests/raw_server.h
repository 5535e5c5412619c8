// A tiny TCP server on 127.0.0.1 for tests that need the exact bytes of a
// request, or answers no ordinary server would give: broken, oversized,
// cut off, or none at all. Connections are served one after another.
#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class RawServer {
 public:
  struct Reply {
    std::string bytes;    // written as they are, then the connection is closed
    bool silent = false;  // accept and read, but never answer until the server stops
  };
  using Script = std::function<Reply(const std::string& request)>;

  explicit RawServer(Script script);
  ~RawServer();
  RawServer(const RawServer&) = delete;
  RawServer& operator=(const RawServer&) = delete;

  int port() const { return port_; }
  std::string url(const std::string& path) const;
  // Each request's bytes as received: the header block and any body.
  std::vector<std::string> requests() const;

  // A port on 127.0.0.1 that nothing listens on.
  static int refusedPort();

 private:
  void serve();
  void serveConnection(int fd);

  Script script_;
  int listenFd_ = -1;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;
  std::vector<std::string> requests_;
  std::thread thread_;
};
