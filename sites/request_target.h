// Reading a raw request target: split into path and query, refuse paths that
// could climb out of the site, read page ids, and find the address the
// client used to reach us.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct TargetParts {
  std::string_view path;
  std::string_view query;  // after '?', still encoded; empty when absent
};

TargetParts splitTarget(std::string_view target);

// True for a path of plain segments: starts with '/', no "..", no "//", no
// backslash, no '%' and only printable ASCII. Pages never need escapes in
// their paths, so an escaped path is refused rather than decoded.
bool isPlainPath(std::string_view path);

// The id in prefix + digits + suffix, e.g. "/db/summoner/123.html": 1 to 12
// digits without a leading zero, so that every page has one address.
std::optional<std::int64_t> pageId(std::string_view path, std::string_view prefix,
                                   std::string_view suffix);

// "http://" + the Host header when it is a well-formed host[:port], else the
// loopback address with the port the request came in on.
std::string siteBase(std::string_view host, int localPort);
