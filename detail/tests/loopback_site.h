// A web site on 127.0.0.1 for tests: a cpp-httplib server on an ephemeral
// port that answers every GET through one handler and logs each request's
// target (path and query, exactly as sent) before answering it.
#pragma once

#include <httplib.h>

#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

struct RequestRecord {
  std::string site;    // the name the site was given
  std::string target;  // path and query as they arrived
  bool searchWindowVisible = false;
  bool detailWindowVisible = false;
  friend bool operator==(const RequestRecord&, const RequestRecord&) = default;
};

// The requests of every site of a test, in arrival order. sample fills the
// visibility fields on the server thread while the request waits; the GUI
// thread is blocked in that very request then, so the widgets' flags do not
// change under the read.
class RequestLog {
 public:
  std::function<void(RequestRecord&)> sample;

  void add(RequestRecord record) {
    if (sample) sample(record);
    std::lock_guard lock(mutex_);
    records_.push_back(std::move(record));
  }
  std::vector<RequestRecord> take() {
    std::lock_guard lock(mutex_);
    return std::exchange(records_, {});
  }

 private:
  std::mutex mutex_;
  std::vector<RequestRecord> records_;
};

class LoopbackSite {
 public:
  using Handler = std::function<void(const httplib::Request&, httplib::Response&)>;

  LoopbackSite(std::string name, RequestLog& log) : name_(std::move(name)), log_(log) {
    server_.set_tcp_nodelay(true);
    server_.Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
      log_.add({name_, request.target});
      Handler handler;
      {
        std::lock_guard lock(mutex_);
        handler = handler_;
      }
      if (handler) handler(request, response);
    });
    port_ = server_.bind_to_any_port("127.0.0.1");
    if (port_ <= 0) return;  // requests to base() then fail, and the test with them
    thread_ = std::thread([this] { server_.listen_after_bind(); });
    while (!server_.is_running()) std::this_thread::yield();
  }
  ~LoopbackSite() {
    server_.stop();
    if (thread_.joinable()) thread_.join();
  }
  LoopbackSite(const LoopbackSite&) = delete;
  LoopbackSite& operator=(const LoopbackSite&) = delete;

  void setHandler(Handler handler) {
    std::lock_guard lock(mutex_);
    handler_ = std::move(handler);
  }
  // "http://127.0.0.1:<port>", no trailing slash.
  std::string base() const { return "http://127.0.0.1:" + std::to_string(port_); }

 private:
  std::string name_;
  RequestLog& log_;
  httplib::Server server_;
  int port_ = -1;
  std::thread thread_;
  std::mutex mutex_;
  Handler handler_;
};
