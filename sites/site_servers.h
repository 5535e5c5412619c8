// Both sites on their HTTP servers: each listens on its own port and answers
// on the server's thread pool through the handlers of stats_site.h and
// score_site.h.
#pragma once

#include <memory>
#include <string>

#include "sites/server_options.h"
#include "sites/site_database.h"

class SiteServers {
 public:
  enum class Status { ok, statsBindFailed, scoreBindFailed };

  struct [[nodiscard]] StartResult {
    Status status = Status::ok;
    std::unique_ptr<SiteServers> servers;
  };

  // Binds both ports (0: any free port) and starts answering. The database
  // must outlive the servers.
  static StartResult start(const SiteDatabase& db, const ServerOptions& options);
  ~SiteServers();  // stops both servers and joins their threads

  int statsPort() const { return statsPort_; }
  int scorePort() const { return scorePort_; }

 private:
  struct Impl;
  explicit SiteServers(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
  int statsPort_ = 0;
  int scorePort_ = 0;
};

const char* to_string(SiteServers::Status status);
