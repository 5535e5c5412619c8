// sites_load: a bounded load test of the stand-in sites.
//
//   sites_load [--requests N] [--connections C] (--server PROGRAM | --ports STATS SCORE)
//
// Sends N requests (default 20000) over C kept-alive connections (default 8)
// to 127.0.0.1, a mix of search, summoner, birthday, avatar and hidden-score
// pages, then the same number to a bare server of the same HTTP library that
// answers one fixed page from this process, and prints both rates, their
// ratio and the error count (no answer, or a status other than 200).
// Stops by itself; exit status 1 when any request failed.
#include <httplib.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <regex>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

struct Target {
  int port;
  std::string path;
};

struct Outcome {
  double seconds = 0;
  long errors = 0;
};

Outcome run(const std::vector<Target>& mix, long requests, int connections) {
  std::atomic<long> errors{0};
  std::vector<std::thread> threads;
  const auto start = std::chrono::steady_clock::now();
  for (int c = 0; c < connections; ++c) {
    threads.emplace_back([&, c] {
      std::vector<std::unique_ptr<httplib::Client>> clients;  // one kept-alive client per port
      std::vector<int> ports;
      for (long i = c; i < requests; i += connections) {
        const Target& target = mix[static_cast<std::size_t>(i) % mix.size()];
        std::size_t k = 0;
        while (k < ports.size() && ports[k] != target.port) ++k;
        if (k == ports.size()) {
          ports.push_back(target.port);
          clients.push_back(std::make_unique<httplib::Client>("127.0.0.1", target.port));
          clients.back()->set_keep_alive(true);
        }
        auto result = clients[k]->Get(target.path);
        if (!result || result->status != 200) ++errors;
      }
    });
  }
  for (std::thread& t : threads) t.join();
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  return {elapsed.count(), errors.load()};
}

// Starts the server program on free ports and reads them from its first line.
pid_t startServer(const std::string& program, int& statsPort, int& scorePort) {
  int fds[2];
  if (pipe(fds) != 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
  std::vector<std::string> args = {program, "--stats-port", "0", "--score-port", "0"};
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  std::string line;
  char c;
  while (pid > 0 && read(fds[0], &c, 1) == 1 && c != '\n') line.push_back(c);
  close(fds[0]);
  if (std::sscanf(line.c_str(), "pellumar-sites listening: stats port %d, score port %d",
                  &statsPort, &scorePort) != 2) {
    if (pid > 0) kill(pid, SIGTERM);
    return -1;
  }
  return pid;
}

std::string encode(const std::string& utf8) {
  static const char* hex = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : utf8) {
    if (std::isalnum(c) || c == '-' || c == '.') {
      out.push_back(static_cast<char>(c));
    } else {
      out += {'%', hex[c >> 4], hex[c & 15]};
    }
  }
  return out;
}

// The mix: a few searches, then each found player's pages and hidden score.
std::vector<Target> buildMix(int statsPort, int scorePort) {
  static const char* const servers[] = {
      "艾欧尼亚 电信一",   "比尔吉沃特 网通一", "祖安 电信二",       "诺克萨斯 电信三",
      "班德尔城 电信四",   "德玛西亚 网通二",   "皮尔特沃夫 电信五", "战争学院 电信六",
      "弗雷尔卓德 网通三", "巨神峰 电信七",     "雷瑟守备 电信八",   "无畏先锋 网通四",
      "裁决之地 电信九",   "黑色玫瑰 电信十",   "暗影岛 电信十一",   "恕瑞玛 网通五",
      "钢铁烈阳 电信十二", "水晶之痕 电信十四", "均衡教派 电信十三", "扭曲丛林 网通六",
      "教育网专区",        "影流 电信十五",     "守望之海 电信十六", "征服之海 电信十七",
      "卡拉曼达 电信十八", "巨龙之巢 网通七",   "皮城警备 电信十九"};
  std::vector<Target> mix;
  httplib::Client client("127.0.0.1", statsPort);
  const std::regex row(
      R"re(summoner/(\d+)\.html">([^<]*)</a></td><td class="server"><a href="[^"]*">([^<]*)</a>)re");
  for (const std::string name : {"Falcon", "暗夜", "提莫", "剑圣"}) {
    const std::string search = "/db/so.html?a=&k=" + encode(name);
    mix.push_back({statsPort, search});
    auto page = client.Get(search);
    if (!page) continue;
    for (auto it = std::sregex_iterator(page->body.begin(), page->body.end(), row);
         it != std::sregex_iterator(); ++it) {
      const std::string id = (*it)[1], player = (*it)[2], server = (*it)[3];
      int number = 0;
      for (int n = 0; n < 27; ++n)
        if (server == servers[n]) number = n + 1;
      mix.push_back({statsPort, "/db/summoner/" + id + ".html"});
      mix.push_back({statsPort, "/db/birth/" + id + ".html"});
      mix.push_back({scorePort, "/rank.php?server=" + std::to_string(number) +
                                    "&name=" + encode(player) + "&result=true"});
      static const char* const avatars[] = {"a01.png", "a06.jpg", "a10.gif", "a13.bmp"};
      mix.push_back({statsPort, std::string("/avatars/") + avatars[mix.size() % 4]});
    }
  }
  return mix;
}

}  // namespace

int main(int argc, char** argv) {
  long requests = 20000;
  int connections = 8;
  std::string program;
  int statsPort = 0, scorePort = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string flag = argv[i];
    if (flag == "--requests" && i + 1 < argc) {
      requests = std::atol(argv[++i]);
    } else if (flag == "--connections" && i + 1 < argc) {
      connections = std::atoi(argv[++i]);
    } else if (flag == "--server" && i + 1 < argc) {
      program = argv[++i];
    } else if (flag == "--ports" && i + 2 < argc) {
      statsPort = std::atoi(argv[++i]);
      scorePort = std::atoi(argv[++i]);
    } else {
      std::fprintf(
          stderr,
          "usage: sites_load [--requests N] [--connections C] (--server PROGRAM | --ports S Q)\n");
      return 2;
    }
  }
  if (requests <= 0 || connections <= 0 || (program.empty() && statsPort == 0)) {
    std::fprintf(stderr, "sites_load: give --server PROGRAM or --ports STATS SCORE\n");
    return 2;
  }
  pid_t child = -1;
  if (!program.empty() && (child = startServer(program, statsPort, scorePort)) < 0) {
    std::fprintf(stderr, "sites_load: cannot start %s\n", program.c_str());
    return 1;
  }

  const std::vector<Target> mix = buildMix(statsPort, scorePort);
  const Outcome sites = mix.size() > 4 ? run(mix, requests, connections) : Outcome{0, requests};

  // Baseline: the same library answering one fixed page of a typical size.
  httplib::Server bare;
  const std::string fixed(12000, 'x');
  bare.Get("/", [&](const httplib::Request&, httplib::Response& res) {
    res.set_content(fixed, "text/html");
  });
  bare.set_tcp_nodelay(true);
  bare.set_keep_alive_max_count(100);
  const int barePort = bare.bind_to_any_port("127.0.0.1");
  std::thread bareThread([&] { bare.listen_after_bind(); });
  while (!bare.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  const Outcome baseline = run({{barePort, "/"}}, requests, connections);
  bare.stop();
  bareThread.join();

  if (child > 0) {
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
  }
  const double sitesRate = sites.seconds > 0 ? requests / sites.seconds : 0;
  const double bareRate = baseline.seconds > 0 ? requests / baseline.seconds : 0;
  std::printf("pages in the mix: %zu\n", mix.size());
  std::printf(
      "pellumar-sites: %ld requests over %d connections in %.2f s: %.0f requests/s, %ld errors\n",
      requests, connections, sites.seconds, sitesRate, sites.errors);
  std::printf("bare server:    %ld requests in %.2f s: %.0f requests/s, %ld errors\n", requests,
              baseline.seconds, bareRate, baseline.errors);
  std::printf("ratio sites/bare: %.2f\n", bareRate > 0 ? sitesRate / bareRate : 0);
  return sites.errors == 0 ? 0 : 1;
}
