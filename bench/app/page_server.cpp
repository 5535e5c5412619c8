#include "bench/app/page_server.h"

#include <httplib.h>

#include <chrono>

#include "bench/text/search_page.h"

PageServer::PageServer(std::initializer_list<int> rowCounts)
    : server_(std::make_unique<httplib::Server>()) {
  for (int rows : rowCounts) pages_[rows] = bench_pages::searchPageUtf8(rows);
  // Small kept-alive answers are 40 ms late without it.
  server_->set_tcp_nodelay(true);
  server_->Get("/db/so.html", [this](const httplib::Request& request, httplib::Response& reply) {
    auto found = pages_.find(std::atoi(request.get_param_value("k").c_str()));
    if (found == pages_.end()) {
      reply.status = 404;
      return;
    }
    reply.set_content(found->second, "text/html; charset=utf-8");
  });
  port_ = server_->bind_to_any_port("127.0.0.1");
  thread_ = std::thread([this] { server_->listen_after_bind(); });
  while (!server_->is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

PageServer::~PageServer() {
  server_->stop();
  thread_.join();
}

std::string PageServer::base() const {
  return "http://127.0.0.1:" + std::to_string(port_);
}

std::string PageServer::url(int rows) const {
  return base() + "/db/so.html?a=&k=" + std::to_string(rows);
}
