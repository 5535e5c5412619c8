// The real pellumar-sites program: flags, the line with its ports, both
// sites answering, and a clean stop on SIGTERM.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <httplib.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "sites/tests/tool_reading.h"

extern char** environ;

namespace {

// A child process with its stdout on a pipe; killed if still running at the end.
class Child {
 public:
  explicit Child(std::vector<std::string> args) {
    int fds[2];
    if (pipe(fds) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    std::vector<char*> argv;
    args.insert(args.begin(), PELLUMAR_SITES_EXECUTABLE);
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    out_ = fds[0];
  }
  ~Child() {
    if (pid_ > 0 && !exited_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    if (out_ >= 0) close(out_);
  }

  // The first line of output, waiting at most timeout.
  std::string readLine(std::chrono::milliseconds timeout) {
    std::string line;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
      pollfd p{out_, POLLIN, 0};
      if (poll(&p, 1, 100) <= 0) continue;
      char c;
      if (read(out_, &c, 1) != 1 || c == '\n') break;
      line.push_back(c);
    }
    return line;
  }

  // The exit code, or -1 when the child has not ended within timeout.
  int waitForExit(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
      int status = 0;
      if (waitpid(pid_, &status, WNOHANG) == pid_) {
        exited_ = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return -1;
  }
  void signal(int sig) { kill(pid_, sig); }
  bool started() const { return pid_ > 0; }

 private:
  pid_t pid_ = -1;
  int out_ = -1;
  bool exited_ = false;
};

TEST(ExecutableTest, ServesBothSitesOnTheReportedPortsUntilTerminated) {
  Child server({"--stats-port", "0", "--score-port", "0"});
  ASSERT_TRUE(server.started());
  const std::string line = server.readLine(std::chrono::seconds(20));
  std::smatch ports;
  ASSERT_TRUE(std::regex_match(
      line, ports, std::regex(R"(pellumar-sites listening: stats port (\d+), score port (\d+))")))
      << line;

  httplib::Client stats("127.0.0.1", std::stoi(ports[1]));
  auto search = stats.Get("/db/so.html?a=&k=Falcon");
  ASSERT_TRUE(search);
  EXPECT_EQ(search->status, 200);
  const auto lines = tool_reading::searchLines(search->body);
  ASSERT_FALSE(lines.empty());
  EXPECT_TRUE(lines[0].avatar.starts_with("http://127.0.0.1:" + ports[1].str() + "/avatars/"));

  httplib::Client score("127.0.0.1", std::stoi(ports[2]));
  const int number = tool_reading::toolServerNumber(tool_reading::pageText(lines[0].server));
  auto rank = score.Get("/rank.php?server=" + std::to_string(number) + "&name=" + lines[0].name +
                        "&result=true");
  ASSERT_TRUE(rank);
  EXPECT_EQ(rank->status, 200);
  EXPECT_FALSE(tool_reading::hiddenScore(rank->body).empty());

  server.signal(SIGTERM);
  EXPECT_EQ(server.waitForExit(std::chrono::seconds(10)), 0);
}

TEST(ExecutableTest, CommandLine) {
  struct Case {
    const char* name;
    std::vector<std::string> args;
    int exitCode;
  };
  const Case cases[] = {
      {"help", {"--help"}, 0},
      {"unknown flag", {"--port", "1"}, 2},
      {"flag without value", {"--db"}, 2},
      {"port not a number", {"--stats-port", "x"}, 2},
      {"port out of range", {"--score-port", "70000"}, 2},
      {"same port twice", {"--stats-port", "18500", "--score-port", "18500"}, 2},
      {"address that cannot be bound",
       {"--bind", "256.1.1.1", "--stats-port", "0", "--score-port", "0"},
       1},
  };
  for (const Case& c : cases) {
    Child child(c.args);
    ASSERT_TRUE(child.started()) << c.name;
    EXPECT_EQ(child.waitForExit(std::chrono::seconds(20)), c.exitCode) << c.name;
  }
}

}  // namespace
