#include "http/http_request.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "http/client.h"
#include "http/cookie_merge.h"
#include "http/header_scan.h"
#include "http/url_parts.h"
#include "text/markers.h"
#include "text/text_ops.h"

const char* const kHttpDefaultAgent =
    "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1; TULVO; .NET CLR 2.0.50727; .NET CLR "
    "3.0.04506.648; .NET CLR 3.5.21022)";

namespace {

constexpr std::uint32_t kReadChunk = 1024;
constexpr std::int64_t kRawHeaderBuffer = 5000;
// A reservation taken from Content-Length never exceeds this, so that a
// lying header cannot make us allocate gigabytes up front.
constexpr std::int64_t kMaxReservation = 64 * 1024 * 1024;

}  // namespace

Text httpRequestAgent(const Text& headers) {
  if (Text_Find(headers, Text("User-Agent:"), 1, true) == -1) return Text(kHttpDefaultAgent);
  Text agent = Text_Trim(Text_Between(headers, Text("User-Agent:"), Text("\r\n")));
  return agent.empty() ? Http_HeaderValue(headers) : agent;
}

namespace {

std::uint32_t flagsFor(const Text& url, bool cookiesGiven, bool noRedirect) {
  std::uint32_t flags = inet::kFlagReload | inet::kFlagNeedFile;
  if (cookiesGiven) flags |= inet::kFlagNoCookies;
  if (noRedirect) flags |= inet::kFlagNoAutoRedirect;
  flags |= Text_ToLower(Text_Left(url, 5)) == Text("https") ? inet::kFlagSecure
                                                            : inet::kFlagIgnoreRedirectToHttps;
  return flags;
}

// The request URL as a header value. A URL built from page data (a page id
// cut from a search page) may hold CR or LF; written raw, they would end the
// Referer line and start header lines of the page's choosing.
Text refererValue(const Text& url) {
  return Text_Replace(Text_Replace(url, Text("\r"), Text("%0D")), Text("\n"), Text("%0A"));
}

// Adds the lines every request carries unless the caller wrote them.
Text withStandardHeaders(Text headers, const Text& url, const Text* cookies) {
  auto appendLine = [&headers](const char* name, const Text& value) {
    headers = Text_Concat(headers, Text("\r\n"), Text(name), value);
  };
  if (Text_Find(headers, Text("Referer:")) == -1) {
    if (headers.empty())
      headers = Text_Concat(Text("Referer: "), refererValue(url));
    else
      appendLine("Referer: ", refererValue(url));
  }
  if (Text_Find(headers, Text("Accept:")) == -1) appendLine("Accept: ", Text("*/*"));
  if (Text_Find(headers, Text("Accept-Language:")) == -1)
    appendLine("Accept-Language: ", Text("zh-cn"));
  if (Text_Find(headers, Text("Content-Type:")) == -1)
    appendLine("Content-Type: ", Text("application/x-www-form-urlencoded"));
  if (cookies && !cookies->empty()) appendLine("Cookie: ", *cookies);
  return headers;
}

ByteSet readBody(inet::Request& request) {
  ByteSet body;
  if (auto declared = request.contentLength())
    body.reserve(static_cast<std::size_t>(std::min(*declared, kMaxReservation)));
  char chunk[kReadChunk];
  std::uint32_t count = 0;
  while (request.read(chunk, kReadChunk, count) && count > 0)
    body.append(std::string_view(chunk, count));
  return body;
}

// The response header block, or the blank buffer when it cannot be had.
Text rawHeadersOf(const inet::Request& request) {
  std::string buffer = Text_Blank(kRawHeaderBuffer).bytes();
  std::uint32_t length = static_cast<std::uint32_t>(buffer.size());
  (void)request.query(inet::QueryInfo::RawHeadersCrlf, buffer.data(), length);
  return Text(std::string_view(buffer));  // ends at the zero the query writes
}

}  // namespace

ByteSet Http_Request(const Text& url, int method, const Text& postText, Text* cookies,
                     Text* receivedCookies, Text* headers, Text* location, bool noRedirect,
                     ByteSet* postBytes, const Text* proxy, Text* rawHeaders) {
  // Left-out out arguments are written into temporaries that are dropped.
  Text receivedCookiesLocal, headersLocal, locationLocal, rawHeadersLocal;
  ByteSet postBytesLocal;
  Text& received = receivedCookies ? *receivedCookies : receivedCookiesLocal;
  Text& extraHeaders = headers ? *headers : headersLocal;
  Text& target = location ? *location : locationLocal;
  Text& raw = rawHeaders ? *rawHeaders : rawHeadersLocal;
  ByteSet& body = postBytes ? *postBytes : postBytesLocal;

  const char* verb = method == 1 ? "POST" : "GET";
  const inet::Session session(httpRequestAgent(extraHeaders).bytes(),
                              proxy ? inet::AccessType::Proxy : inet::AccessType::Direct,
                              proxy ? "http=" + proxy->bytes() : std::string());
  const inet::Connection connection(&session, Url_Host(url).bytes(), Url_Port(url));
  auto request =
      std::make_unique<inet::Request>(connection, verb, Url_Path(url).bytes(), "HTTP/1.1",
                                      flagsFor(url, cookies != nullptr, noRedirect));

  extraHeaders = withStandardHeaders(extraHeaders, url, cookies);
  if (method != 0 && body.empty()) body = Text_ToBytes(postText);
  (void)request->send(extraHeaders.view(), method != 0 ? body.view() : std::string_view());

  ByteSet result = readBody(*request);
  raw = rawHeadersOf(*request);
  request.reset();  // closes the request; the connection and session go with this scope

  scanResponseHeaders(raw, target, received);
  if (cookies) (void)Cookie_Merge(*cookies, received);
  if (target.empty()) target = raw;
  return result;
}
