#include "http/header_scan.h"

#include <string>

#include "http/url_parts.h"
#include "text/markers.h"
#include "text/text_ops.h"

void scanResponseHeaders(const Text& rawHeaders, Text& location, Text& receivedCookies) {
  const TextArray lines = Text_Split(rawHeaders, Text("\r\n"));
  const Text locationMark("Location:");
  const Text cookieMark("Set-Cookie");
  const Text cookieStart("Set-Cookie:");
  const Text cookieEnd(";");
  std::string cookies;
  for (const Text& line : lines.items()) {
    if (Text_Find(line, locationMark) != -1) location = Http_HeaderValue(line);
    if (Text_Find(line, cookieMark) != -1)
      cookies.append(Text_Trim(Text_Between(line, cookieStart, cookieEnd)).bytes()).append("; ");
  }
  if (cookies.size() >= 2) cookies.resize(cookies.size() - 2);
  receivedCookies = Text(std::move(cookies));
}
