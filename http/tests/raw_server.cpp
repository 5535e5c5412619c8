#include "http/tests/raw_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <strings.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

namespace {

constexpr int kPollMs = 20;

int bindLoopback(int& port) {
  int fd = socket(AF_INET, SOCK_STREAM, 0);
  int one = 1;
  setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  addr.sin_port = 0;
  if (bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) std::abort();
  socklen_t len = sizeof addr;
  getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
  port = ntohs(addr.sin_port);
  return fd;
}

bool readable(int fd) {
  pollfd p{fd, POLLIN, 0};
  return poll(&p, 1, kPollMs) > 0;
}

// The declared body length of a request's header block, 0 when none.
std::size_t contentLength(const std::string& head) {
  for (std::size_t at = head.find("\r\n"); at != std::string::npos;
       at = head.find("\r\n", at + 2)) {
    if (strncasecmp(head.c_str() + at + 2, "Content-Length:", 15) == 0)
      return std::strtoul(head.c_str() + at + 17, nullptr, 10);
  }
  return 0;
}

}  // namespace

RawServer::RawServer(Script script) : script_(std::move(script)) {
  listenFd_ = bindLoopback(port_);
  listen(listenFd_, 16);
  thread_ = std::thread([this] { serve(); });
}

RawServer::~RawServer() {
  stop_ = true;
  thread_.join();
  close(listenFd_);
}

std::string RawServer::url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + path;
}

std::vector<std::string> RawServer::requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

int RawServer::refusedPort() {
  int port = 0;
  close(bindLoopback(port));  // bound, never listened on, closed again
  return port;
}

void RawServer::serve() {
  while (!stop_) {
    if (!readable(listenFd_)) continue;
    int fd = accept(listenFd_, nullptr, nullptr);
    if (fd < 0) continue;
    serveConnection(fd);
    close(fd);
  }
}

void RawServer::serveConnection(int fd) {
  std::string request;
  std::size_t headEnd = std::string::npos;
  char buffer[4096];
  while (!stop_) {
    if (headEnd != std::string::npos && request.size() >= headEnd + contentLength(request)) break;
    if (!readable(fd)) continue;
    ssize_t n = recv(fd, buffer, sizeof buffer, 0);
    if (n <= 0) {  // the client gave up: keep what it sent
      std::lock_guard lock(mutex_);
      requests_.push_back(request);
      return;
    }
    request.append(buffer, static_cast<std::size_t>(n));
    if (headEnd == std::string::npos) {
      std::size_t end = request.find("\r\n\r\n");
      if (end != std::string::npos) headEnd = end + 4;
    }
  }
  {
    std::lock_guard lock(mutex_);
    requests_.push_back(request);
  }
  Reply reply = script_(request);
  if (reply.silent) {
    while (!stop_) {
      if (readable(fd) && recv(fd, buffer, sizeof buffer, 0) <= 0) return;  // the client gave up
    }
    return;
  }
  std::string_view rest = reply.bytes;
  while (!rest.empty()) {
    ssize_t n = send(fd, rest.data(), rest.size(), MSG_NOSIGNAL);
    if (n <= 0) return;
    rest.remove_prefix(static_cast<std::size_t>(n));
  }
  shutdown(fd, SHUT_WR);
}
