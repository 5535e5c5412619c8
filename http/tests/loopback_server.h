// An ordinary HTTP server on 127.0.0.1 and an ephemeral port, running in a
// thread of its own for the life of the object.
#pragma once

#include <httplib.h>

#include <chrono>
#include <string>
#include <thread>

class LoopbackServer {
 public:
  // Register handlers on server() before calling start().
  httplib::Server& server() { return server_; }

  void start() {
    server_.set_tcp_nodelay(true);
    port_ = server_.bind_to_any_port("127.0.0.1");
    thread_ = std::thread([this] { server_.listen_after_bind(); });
    while (!server_.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }

  ~LoopbackServer() {
    server_.stop();
    if (thread_.joinable()) thread_.join();
  }

  int port() const { return port_; }
  std::string url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
  }

 private:
  httplib::Server server_;
  int port_ = 0;
  std::thread thread_;
};
