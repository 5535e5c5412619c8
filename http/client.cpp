#include "http/client.h"

#include <curl/curl.h>

#include <strings.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <charconv>
#include <cstring>

#include "http/curl_share.h"
#include "http/response_headers.h"
#include "http/url_escape.h"

namespace inet {
namespace {

std::atomic<long> g_connectSeconds{10};
std::atomic<long> g_stallSeconds{30};

constexpr long kMaxRedirects = 20;
constexpr long kPollMilliseconds = 1000;
// Body bytes received but not yet read are held up to about this much; then
// the transfer pauses until the reader has caught up, so that a large body
// is never held twice.
constexpr std::size_t kPendingLimit = 64 * 1024;

bool isHostByte(unsigned char c) {
  return std::isalnum(c) || c == '.' || c == '-' || c == '_';
}

bool isValidHost(std::string_view host) {
  auto allOf = [](std::string_view s, auto pred) {
    return std::all_of(s.begin(), s.end(),
                       [&](char c) { return pred(static_cast<unsigned char>(c)); });
  };
  if (host.size() > 2 && host.front() == '[' && host.back() == ']')  // IPv6 literal
    return allOf(host.substr(1, host.size() - 2),
                 [](unsigned char c) { return std::isxdigit(c) || c == ':' || c == '.'; });
  return !host.empty() && allOf(host, isHostByte);
}

// The request target: a leading slash, and what may not appear raw
// percent-encoded.
std::string encodedObject(std::string_view object) {
  return (object.starts_with('/') ? "" : "/") + percentEncodeUnsafe(object);
}

// The proxy that serves plain http in a list such as "http=host:port".
std::string httpProxyOf(std::string_view list) {
  while (!list.empty()) {
    std::size_t end = list.find_first_of("; ");
    std::string_view entry = list.substr(0, end);
    list.remove_prefix(end == std::string_view::npos ? list.size() : end + 1);
    if (entry.starts_with("http="))
      entry.remove_prefix(5);
    else if (entry.find('=') != std::string_view::npos)
      continue;  // another scheme's proxy
    if (!entry.empty()) return "http://" + std::string(entry);
  }
  return {};
}

bool hasHeader(const std::vector<std::string>& lines, std::string_view name) {
  return std::any_of(lines.begin(), lines.end(), [name](const std::string& line) {
    return line.size() > name.size() && (line[name.size()] == ':' || line[name.size()] == ';') &&
           strncasecmp(line.data(), name.data(), name.size()) == 0;
  });
}

// Splits extra header text at CR LF into the lines to send. A stray CR or LF
// inside a line would break the request apart, so it becomes a space. A line
// whose value is blank is written "Name;" so that libcurl sends it as
// "Name:" instead of taking it as a request to drop its own header.
std::vector<std::string> headerLines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    std::size_t end = text.find("\r\n");
    std::string line(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 2);
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    if (line.empty()) continue;
    std::size_t colon = line.find(':');
    if (colon != std::string::npos &&
        line.find_first_not_of(" \t", colon + 1) == std::string::npos) {
      line.resize(colon);
      line.push_back(';');
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

SendStatus statusOf(CURLcode code) {
  switch (code) {
    case CURLE_OK:
      return SendStatus::Ok;
    case CURLE_URL_MALFORMAT:
      return SendStatus::BadAddress;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
    case CURLE_COULDNT_CONNECT:
      return SendStatus::Refused;
    case CURLE_OPERATION_TIMEDOUT:
      return SendStatus::TimedOut;
    case CURLE_TOO_MANY_REDIRECTS:
      return SendStatus::TooManyRedirects;
    default:
      return SendStatus::Failed;
  }
}

QueryStatus copyOut(const std::string& answer, char* buffer, std::uint32_t& length) {
  if (answer.size() >= length) {
    length = static_cast<std::uint32_t>(std::min<std::size_t>(answer.size() + 1, UINT32_MAX));
    return QueryStatus::InsufficientBuffer;
  }
  std::memcpy(buffer, answer.data(), answer.size());
  buffer[answer.size()] = '\0';
  length = static_cast<std::uint32_t>(answer.size());
  return QueryStatus::Ok;
}

}  // namespace

void setTimeouts(Timeouts t) {
  g_connectSeconds = static_cast<long>(t.connect.count());
  g_stallSeconds = static_cast<long>(t.stall.count());
}

Timeouts timeouts() {
  return {std::chrono::seconds(g_connectSeconds.load()),
          std::chrono::seconds(g_stallSeconds.load())};
}

const char* to_string(SendStatus s) {
  switch (s) {
    case SendStatus::Ok:
      return "ok";
    case SendStatus::BadAddress:
      return "bad address";
    case SendStatus::Refused:
      return "not resolved or refused";
    case SendStatus::TimedOut:
      return "timed out";
    case SendStatus::TooManyRedirects:
      return "too many redirects";
    case SendStatus::Failed:
      return "failed";
  }
  return "unknown";
}

struct Request::Transfer {
  // What the request was opened with.
  std::string scheme, host, user, password, agent, proxy, verb, object;
  int port = 0;
  bool http10 = false;
  std::uint32_t flags = 0;
  std::vector<std::string> acceptTypes;

  // The exchange.
  CURL* easy = nullptr;
  CURLM* multi = nullptr;
  curl_slist* headerList = nullptr;
  std::string url, body;
  detail::ResponseHeaders headers;
  std::string pending;  // body bytes received but not yet read
  std::size_t pendingOffset = 0;
  bool sent = false, done = false, paused = false;
  CURLcode result = CURLE_OK;

  ~Transfer() {
    if (multi && easy) curl_multi_remove_handle(multi, easy);
    if (easy) curl_easy_cleanup(easy);
    if (multi) curl_multi_cleanup(multi);
    curl_slist_free_all(headerList);
  }

  static size_t onBody(char* data, size_t, size_t n, void* self) {
    auto* t = static_cast<Transfer*>(self);
    if (t->pending.size() - t->pendingOffset >= kPendingLimit) {
      t->paused = true;
      return CURL_WRITEFUNC_PAUSE;  // libcurl keeps these bytes and offers them again
    }
    t->pending.append(data, n);
    return n;
  }

  static size_t onHeader(char* data, size_t, size_t n, void* self) {
    static_cast<Transfer*>(self)->headers.addLine(std::string_view(data, n));
    return n;
  }

  bool available() const { return pendingOffset < pending.size(); }

  // Lets libcurl work until something happens or the poll interval passes.
  void step() {
    if (paused) {
      paused = false;
      curl_easy_pause(easy, CURLPAUSE_CONT);  // may deliver the held bytes at once
      if (available()) return;
    }
    int running = 0;
    curl_multi_perform(multi, &running);
    int queued = 0;
    while (CURLMsg* msg = curl_multi_info_read(multi, &queued)) {
      if (msg->msg == CURLMSG_DONE) {
        done = true;
        result = msg->data.result;
      }
    }
    if (!done && !available()) curl_multi_poll(multi, nullptr, 0, kPollMilliseconds, nullptr);
  }

  void addHeader(const std::string& line) {
    if (curl_slist* grown = curl_slist_append(headerList, line.c_str())) headerList = grown;
  }

  void configure(std::string_view extraHeaders) {
    curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, (flags & kFlagNoAutoRedirect) ? 0L : 1L);
    curl_easy_setopt(easy, CURLOPT_MAXREDIRS, kMaxRedirects);
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT, g_connectSeconds.load());
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, g_stallSeconds.load());
    curl_easy_setopt(easy, CURLOPT_HTTP_VERSION,
                     http10 ? CURL_HTTP_VERSION_1_0 : CURL_HTTP_VERSION_1_1);
    curl_easy_setopt(easy, CURLOPT_PROXY, proxy.c_str());  // "" also ignores the environment
    if (!agent.empty()) curl_easy_setopt(easy, CURLOPT_USERAGENT, agent.c_str());
    if (!user.empty() || !password.empty()) {
      curl_easy_setopt(easy, CURLOPT_USERNAME, user.c_str());
      curl_easy_setopt(easy, CURLOPT_PASSWORD, password.c_str());
    }
    if (!(flags & kFlagNoCookies)) {
      curl_easy_setopt(easy, CURLOPT_SHARE, detail::cookieShare());
      curl_easy_setopt(easy, CURLOPT_COOKIEFILE, "");  // switches the cookie engine on
    }

    if (!body.empty() || verb == "POST") {
      curl_easy_setopt(easy, CURLOPT_POSTFIELDS, body.data());
      curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
      if (verb != "POST") curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST, verb.c_str());
    } else if (verb == "HEAD") {
      curl_easy_setopt(easy, CURLOPT_NOBODY, 1L);
    } else if (verb != "GET") {
      curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST, verb.c_str());
    }

    std::vector<std::string> lines = headerLines(extraHeaders);
    if (!acceptTypes.empty() && !hasHeader(lines, "Accept")) {
      std::string accept = "Accept: ";
      for (std::size_t i = 0; i < acceptTypes.size(); ++i)
        accept.append(i ? ", " : "").append(acceptTypes[i]);
      addHeader(accept);
    }
    for (const std::string& line : lines) addHeader(line);
    addHeader("Accept:");  // libcurl's own Accept line, unless the caller sent one
    addHeader("Expect:");
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headerList);

    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &Transfer::onBody);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, this);
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &Transfer::onHeader);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, this);
  }
};

Request::Request(const Connection& connection, std::string verb, std::string object,
                 std::string version, std::uint32_t flags, std::vector<std::string> acceptTypes)
    : transfer_(std::make_unique<Transfer>()) {
  Transfer& t = *transfer_;
  t.scheme = (flags & kFlagSecure) ? "https" : "http";
  t.host = connection.host;
  t.port = connection.port;
  t.user = connection.user;
  t.password = connection.password;
  if (const Session* s = connection.session) {
    t.agent = s->agent;
    std::replace_if(
        t.agent.begin(), t.agent.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    if (s->access == AccessType::Proxy && t.scheme == "http") t.proxy = httpProxyOf(s->proxyList);
  }
  t.verb = verb.empty() ? "GET" : std::move(verb);
  t.object = std::move(object);
  t.http10 = version == "HTTP/1.0";
  t.flags = flags;
  t.acceptTypes = std::move(acceptTypes);
}

Request::~Request() = default;

SendStatus Request::send(std::string_view extraHeaders, std::string_view body) {
  Transfer& t = *transfer_;
  if (t.sent) return SendStatus::Failed;
  t.sent = true;
  if (!isValidHost(t.host) || t.port < 1 || t.port > 65535) {
    t.done = true;
    t.result = CURLE_URL_MALFORMAT;
    return SendStatus::BadAddress;
  }
  detail::cookieShare();  // initialises libcurl once
  t.url = t.scheme + "://" + t.host + ":" + std::to_string(t.port) + encodedObject(t.object);
  t.body.assign(body);
  t.easy = curl_easy_init();
  t.multi = curl_multi_init();
  if (!t.easy || !t.multi) {
    t.done = true;
    t.result = CURLE_OUT_OF_MEMORY;
    return SendStatus::Failed;
  }
  t.configure(extraHeaders);
  curl_multi_add_handle(t.multi, t.easy);
  while (!t.done && !t.available()) t.step();
  // An answer whose body has started is read even if it breaks off later.
  if (t.done && t.result != CURLE_OK && !t.available()) return statusOf(t.result);
  return SendStatus::Ok;
}

bool Request::read(char* buffer, std::uint32_t size, std::uint32_t& count) {
  Transfer& t = *transfer_;
  count = 0;
  if (!t.sent) return false;
  while (!t.available()) {
    if (t.done) return t.result == CURLE_OK;
    t.step();
  }
  std::size_t n = std::min<std::size_t>(size, t.pending.size() - t.pendingOffset);
  std::memcpy(buffer, t.pending.data() + t.pendingOffset, n);
  t.pendingOffset += n;
  if (t.pendingOffset == t.pending.size()) {
    t.pending.clear();  // keeps its capacity for the next bytes
    t.pendingOffset = 0;
  }
  count = static_cast<std::uint32_t>(n);
  return true;
}

QueryStatus Request::query(QueryInfo what, char* buffer, std::uint32_t& length) const {
  const detail::ResponseHeaders& headers = transfer_->headers;
  if (!headers.arrived()) return QueryStatus::NotFound;
  if (what == QueryInfo::RawHeadersCrlf) {
    if (headers.overflowed()) {
      length = UINT32_MAX;
      return QueryStatus::InsufficientBuffer;
    }
    return copyOut(headers.block(), buffer, length);
  }
  std::optional<std::string> value = headers.value("Content-Length");
  if (!value) return QueryStatus::NotFound;
  return copyOut(*value, buffer, length);
}

std::optional<std::int64_t> Request::contentLength() const {
  char value[32];
  std::uint32_t length = sizeof value;
  if (query(QueryInfo::ContentLength, value, length) != QueryStatus::Ok) return std::nullopt;
  std::int64_t n = 0;
  auto [end, error] = std::from_chars(value, value + length, n);
  if (error != std::errc() || end != value + length || n < 0) return std::nullopt;
  return n;
}

}  // namespace inet
