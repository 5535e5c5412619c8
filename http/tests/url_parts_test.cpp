#include "http/url_parts.h"

#include <gtest/gtest.h>

namespace {

TEST(UrlParts, HostPortAndPathOfEachUrl) {
  struct Case {
    const char* name;
    const char* url;
    const char* host;
    const char* hostWithPort;
    const char* lastTwo;
    const char* lastTwoWithPort;
    int port;
    const char* path;
  } cases[] = {
      {"capital scheme and host", "HTTP://WWW.Example.COM/Path/A?Q=1", "www.example.com",
       "www.example.com", "example.com", "example.com", 80, "/Path/A?Q=1"},
      {"no scheme means http", "Example.com/a/b", "example.com", "example.com", "example.com",
       "example.com", 80, "/a/b"},
      {"three labels and a port", "HTTP://A.B.C:8080/x", "a.b.c", "a.b.c:8080", "b.c", "b.c:8080",
       8080, "/x"},
      {"no dots", "http://localhost/", "localhost", "localhost", "localhost", "localhost", 80, "/"},
      {"https without port", "https://h.com/x", "h.com", "h.com", "h.com", "h.com", 443, "/x"},
      {"https with port", "https://h.com:8443/", "h.com", "h.com:8443", "h.com", "h.com:8443", 8443,
       "/"},
      {"capital https scheme", "HTTPS://H.com", "h.com", "h.com", "h.com", "h.com", 443, "/"},
      {"ends after the host", "http://h.com", "h.com", "h.com", "h.com", "h.com", 80, "/"},
      {"query right after the host", "http://h.com?q=1", "h.com?q=1", "h.com?q=1", "h.com?q=1",
       "h.com?q=1", 80, "/"},
      {"scheme-less with inner http", "h.com/r?u=http://x.org/y", "x.org", "x.org", "x.org",
       "x.org", 80, "/y"},
      {"user information", "http://user:pw@h.com/x", "user", "user:pw@h.com", "user",
       "user:pw@h.com", 0, "/x"},
      {"one-letter host inside the scheme", "http://h/x", "h", "h", "h", "h", 80, "//h/x"},
      {"colon without digits", "http://h.com:/x", "h.com", "h.com:", "h.com", "h.com:", 0, "/x"},
      {"empty", "", "", "", "", "", 80, "/"},
  };
  for (const Case& c : cases) {
    Text url(c.url);
    EXPECT_EQ(Url_Host(url), Text(c.host)) << c.name;
    EXPECT_EQ(Url_Host(url, false, true), Text(c.hostWithPort)) << c.name;
    EXPECT_EQ(Url_Host(url, true, false), Text(c.lastTwo)) << c.name;
    EXPECT_EQ(Url_Host(url, true, true), Text(c.lastTwoWithPort)) << c.name;
    EXPECT_EQ(Url_Port(url), c.port) << c.name;
    EXPECT_EQ(Url_Path(url), Text(c.path)) << c.name;
  }
}

TEST(UrlParts, HeaderValueIsTheTrimmedTextAfterTheFirstColon) {
  struct Case {
    const char* name;
    const char* line;
    const char* value;
  } cases[] = {
      {"value with colons", "Location: http://a:8/b", "http://a:8/b"},
      {"no colon", "Location", ""},
      {"blank value", "X:   ", ""},
      {"tab is not trimmed", "X:\tv", "\tv"},
      {"full-width spaces are trimmed", "X:\xA1\xA1v\xA1\xA1", "v"},
      {"empty line", "", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(Http_HeaderValue(Text(c.line)), Text(c.value)) << c.name;
}

}  // namespace
