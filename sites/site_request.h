// A request and its answer as the page handlers see them, apart from any
// socket, so that tests and the fuzz target can drive the handlers directly.
#pragma once

#include <string>
#include <string_view>

struct SiteRequest {
  std::string_view method;  // "GET", "HEAD", ...
  std::string_view target;  // raw request target: path and query, still encoded
  std::string_view host;    // the Host header, possibly empty or hostile
  int localPort = 0;        // the port the request came in on
};

struct SiteResponse {
  int status = 200;
  std::string contentType = "text/html; charset=utf-8";
  std::string body;
};

// Requests whose target is longer than this are refused with 414.
inline constexpr std::size_t kMaxTargetLength = 2048;
