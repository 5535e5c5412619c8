// pellumar-sites: the statistics site and the hidden-score site on two
// ports, until SIGINT or SIGTERM.
#include <csignal>
#include <cstdio>

#include "sites/server_options.h"
#include "sites/site_database.h"
#include "sites/site_servers.h"

int main(int argc, char** argv) {
  const OptionsResult parsed = parseServerOptions(argc, argv);
  if (parsed.status == OptionsStatus::help) {
    std::fputs(usageText().c_str(), stdout);
    return 0;
  }
  if (parsed.status == OptionsStatus::error) {
    std::fprintf(stderr, "pellumar-sites: %s\n%s", parsed.message.c_str(), usageText().c_str());
    return 2;
  }

  // Block the stop signals in every thread; the main thread waits for them.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
  std::signal(SIGPIPE, SIG_IGN);

  DbResult<std::unique_ptr<SiteDatabase>> db = SiteDatabase::open(parsed.options.dbPath);
  if (!db.ok()) {
    std::fprintf(stderr, "pellumar-sites: %s: %s\n", to_string(db.status), db.error.c_str());
    return 1;
  }
  SiteServers::StartResult started = SiteServers::start(*db.value, parsed.options);
  if (started.status != SiteServers::Status::ok) {
    std::fprintf(stderr, "pellumar-sites: %s on %s\n", to_string(started.status),
                 parsed.options.bind.c_str());
    return 1;
  }
  std::printf("pellumar-sites listening: stats port %d, score port %d\n",
              started.servers->statsPort(), started.servers->scorePort());
  std::fflush(stdout);

  int received = 0;
  sigwait(&stopSignals, &received);
  started.servers.reset();
  return 0;
}
