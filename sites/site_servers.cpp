#include "sites/site_servers.h"

#include <httplib.h>

#include <chrono>
#include <functional>
#include <thread>

#include "sites/html.h"
#include "sites/score_site.h"
#include "sites/stats_site.h"

namespace {

using Handler = std::function<SiteResponse(const SiteRequest&)>;

void answer(const Handler& handler, const httplib::Request& req, httplib::Response& res) {
  const std::string host = req.get_header_value("Host");
  const SiteResponse response = handler({req.method, req.target, host, req.local_port});
  res.status = response.status;
  res.set_content(response.body, response.contentType.c_str());
}

// Routes every method and path to one handler, which decides on its own
// what it serves; the library's own refusals (a malformed request line, an
// over-long target) get a readable page as well.
void configure(httplib::Server& server, Handler handler) {
  const std::string everything = ".*";
  auto route = [handler](const httplib::Request& req, httplib::Response& res) {
    answer(handler, req, res);
  };
  server.Get(everything, route);
  server.Post(everything, route);
  server.Put(everything, route);
  server.Patch(everything, route);
  server.Delete(everything, route);
  server.Options(everything, route);
  server.set_tcp_nodelay(true);
  server.set_keep_alive_max_count(100);
  server.set_payload_max_length(64 * 1024);
  server.set_error_handler([](const httplib::Request&, httplib::Response& res) {
    if (res.body.empty())
      res.set_content(errorPage(res.status, "请求无效 (bad request)"), "text/html; charset=utf-8");
  });
  server.set_exception_handler([](const httplib::Request&, httplib::Response& res,
                                  std::exception_ptr) {
    res.status = 500;
    res.set_content(errorPage(500, "服务器内部错误 (internal error)"), "text/html; charset=utf-8");
  });
}

int bind(httplib::Server& server, const std::string& address, int port) {
  if (port == 0) return server.bind_to_any_port(address);
  return server.bind_to_port(address, port) ? port : -1;
}

}  // namespace

struct SiteServers::Impl {
  httplib::Server stats;
  httplib::Server score;
  std::thread statsThread;
  std::thread scoreThread;
};

SiteServers::SiteServers(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

SiteServers::StartResult SiteServers::start(const SiteDatabase& db, const ServerOptions& options) {
  auto impl = std::make_unique<Impl>();
  configure(impl->stats,
            [&db](const SiteRequest& request) { return handleStatsRequest(db, request); });
  configure(impl->score,
            [&db](const SiteRequest& request) { return handleScoreRequest(db, request); });
  const int statsPort = bind(impl->stats, options.bind, options.statsPort);
  if (statsPort <= 0) return {Status::statsBindFailed, nullptr};
  const int scorePort = bind(impl->score, options.bind, options.scorePort);
  if (scorePort <= 0) return {Status::scoreBindFailed, nullptr};

  // Both sockets listen already; connections made before the threads run
  // wait in the backlog.
  impl->statsThread = std::thread([server = &impl->stats] { server->listen_after_bind(); });
  impl->scoreThread = std::thread([server = &impl->score] { server->listen_after_bind(); });
  // stop() only acts on a running server, so wait for both loops to start.
  while (!impl->stats.is_running() || !impl->score.is_running())
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  std::unique_ptr<SiteServers> servers(new SiteServers(std::move(impl)));
  servers->statsPort_ = statsPort;
  servers->scorePort_ = scorePort;
  return {Status::ok, std::move(servers)};
}

SiteServers::~SiteServers() {
  impl_->stats.stop();
  impl_->score.stop();
  impl_->statsThread.join();
  impl_->scoreThread.join();
}

const char* to_string(SiteServers::Status status) {
  switch (status) {
    case SiteServers::Status::ok:
      return "ok";
    case SiteServers::Status::statsBindFailed:
      return "cannot listen on the statistics site's port";
    case SiteServers::Status::scoreBindFailed:
      return "cannot listen on the hidden-score site's port";
  }
  return "unknown";
}
