// A small HTTP client shaped like the classic three-handle Internet API: a
// root session (agent string and access type), a connection (host and port)
// and a request (verb, object, version, flag word), which is sent with extra
// header text and an optional body, read in chunks and asked for its raw
// response headers. Built on libcurl; nothing of libcurl shows here.
//
// Behaviour every request shares:
// - One process-wide cookie store, unless the request carries kFlagNoCookies.
// - Only http and https, for the request and for every redirect it follows;
//   at most 20 redirects.
// - A direct connection unless the session names a proxy for plain http;
//   proxy variables of the environment are never read.
// - On the wire: Host, User-Agent, stored cookies, then the caller's header
//   lines in their order; no Accept, Expect or Accept-Encoding of our own.
// - Time-outs: connecting gives up after 10 s, a transfer that delivers no
//   byte for 30 s is aborted (see setTimeouts).
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace inet {

// Request flags. The values are those of the classic API so that a flag word
// reads the same everywhere.
inline constexpr std::uint32_t kFlagReload = 0x80000000;        // never answer from a cache
inline constexpr std::uint32_t kFlagNoCacheWrite = 0x04000000;  // do not store the answer
inline constexpr std::uint32_t kFlagNeedFile = 0x00000010;      // no effect: nothing is cached
inline constexpr std::uint32_t kFlagNoCookies = 0x00080000;     // bypass the cookie store
inline constexpr std::uint32_t kFlagNoAutoRedirect = 0x00200000;
inline constexpr std::uint32_t kFlagSecure = 0x00800000;  // TLS (https)
// Lets a plain-http request be redirected to https; redirects between the two
// schemes are always followed here, so this only documents the intent.
inline constexpr std::uint32_t kFlagIgnoreRedirectToHttps = 0x00004000;

enum class AccessType : int {
  Preconfig = 0,  // treated as direct: no system proxy settings are consulted
  Direct = 1,
  Proxy = 3,  // the proxy list says which proxy serves plain http ("http=host:port")
};

// The time-outs every transfer uses. Defaults: connect 10 s, stall 30 s.
struct Timeouts {
  std::chrono::seconds connect{10};
  std::chrono::seconds stall{30};  // abort after this long without a byte
};
// Changes the time-outs of transfers started from now on (tests shorten them).
void setTimeouts(Timeouts t);
Timeouts timeouts();

enum class SendStatus {
  Ok,
  BadAddress,  // host, port or object cannot form an http(s) address
  Refused,     // name not resolved or connection refused
  TimedOut,
  TooManyRedirects,
  Failed,  // any other transport failure (TLS, broken answer, scheme not allowed)
};
const char* to_string(SendStatus s);

enum class QueryInfo {
  RawHeadersCrlf,  // the final response's header block, lines ended by CR LF, then an empty line
  ContentLength,   // the value of the final response's Content-Length line
};

enum class QueryStatus {
  Ok,
  NotFound,            // no response arrived, or it has no such header
  InsufficientBuffer,  // the answer and its ending zero do not fit; the buffer is untouched
};

struct Session {
  explicit Session(std::string agentString, AccessType accessType = AccessType::Direct,
                   std::string proxies = {})
      : agent(std::move(agentString)), access(accessType), proxyList(std::move(proxies)) {}

  std::string agent;
  AccessType access = AccessType::Direct;
  std::string proxyList;  // for AccessType::Proxy, e.g. "http=127.0.0.1:3128"
};

struct Connection {
  Connection(const Session* s, std::string hostName, int portNumber, std::string userName = {},
             std::string pass = {})
      : session(s),
        host(std::move(hostName)),
        port(portNumber),
        user(std::move(userName)),
        password(std::move(pass)) {}

  const Session* session = nullptr;
  std::string host;
  int port = 80;
  std::string user;
  std::string password;
};

class Request {
 public:
  // Copies what it needs from the connection and its session: either may be
  // closed before the request without harm.
  Request(const Connection& connection, std::string verb, std::string object, std::string version,
          std::uint32_t flags, std::vector<std::string> acceptTypes = {});
  ~Request();
  Request(const Request&) = delete;
  Request& operator=(const Request&) = delete;

  // Sends the request with the extra header lines (separated by CR LF) and
  // the body (sent whenever non-empty, or always for POST), and waits until
  // the answer's body starts or the transfer ends.
  [[nodiscard]] SendStatus send(std::string_view extraHeaders, std::string_view body);

  // Copies up to size body bytes into buffer and sets count. A count of 0
  // means the body has ended; false means the transfer failed (count is 0).
  bool read(char* buffer, std::uint32_t size, std::uint32_t& count);

  // Writes the answer and an ending zero into buffer. On entry length is the
  // buffer's size; on success it is the answer's length without the zero,
  // on InsufficientBuffer the size needed including the zero.
  [[nodiscard]] QueryStatus query(QueryInfo what, char* buffer, std::uint32_t& length) const;

  // The answer's Content-Length as a whole number of bytes, when it has a
  // well-formed one.
  std::optional<std::int64_t> contentLength() const;

  struct Transfer;  // the libcurl state of one exchange

 private:
  std::unique_ptr<Transfer> transfer_;
};

}  // namespace inet
