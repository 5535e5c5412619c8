// Download_Bytes and its URL splitting against servers on 127.0.0.1.
#include "http/download.h"

#include <gtest/gtest.h>

#include <string>

#include "http/client.h"
#include "http/tests/raw_server.h"
#include "http/url_crack.h"

namespace {

RawServer::Reply answer(std::string bytes) {
  return {std::move(bytes)};
}

TEST(UrlCrack, CanonicalisesAndSplits) {
  struct Case {
    const char* name;
    const char* url;
    CrackStatus status;
    const char* scheme;
    const char* host;
    int port;
    const char* object;
    const char* user;
    const char* password;
  } cases[] = {
      {"full url, fragment dropped", "http://h.com:8080/a/b?q=1#frag", CrackStatus::Ok, "http",
       "h.com", 8080, "/a/b?q=1", "", ""},
      {"missing scheme means http", "h.com/x", CrackStatus::Ok, "http", "h.com", 80, "/x", "", ""},
      {"https default port", "https://h.com", CrackStatus::Ok, "https", "h.com", 443, "/", "", ""},
      {"spaces and GBK bytes are encoded", "http://h/a b/\xB0\xA1.png", CrackStatus::Ok, "http",
       "h", 80, "/a%20b/%B0%A1.png", "", ""},
      {"existing escapes stay", "http://h/a%20b", CrackStatus::Ok, "http", "h", 80, "/a%20b", "",
       ""},
      {"user and password", "http://u:p%40ss@h/x", CrackStatus::Ok, "http", "h", 80, "/x", "u",
       "p@ss"},
      {"file scheme", "file:///etc/passwd", CrackStatus::SchemeNotAllowed, "", "", 0, "", "", ""},
      {"ftp scheme", "ftp://h/x", CrackStatus::SchemeNotAllowed, "", "", 0, "", "", ""},
      {"not a url", "javascript:alert(1)", CrackStatus::Malformed, "", "", 0, "", "", ""},
      {"no host", "http://", CrackStatus::Malformed, "", "", 0, "", "", ""},
      {"port out of range", "http://h:99999/", CrackStatus::Malformed, "", "", 0, "", "", ""},
  };
  for (const Case& c : cases) {
    CrackResult r = crackUrl(c.url);
    EXPECT_EQ(r.status, c.status) << c.name << ": " << to_string(r.status);
    if (r.status != CrackStatus::Ok) continue;
    EXPECT_EQ(r.pieces.scheme, c.scheme) << c.name;
    EXPECT_EQ(r.pieces.host, c.host) << c.name;
    EXPECT_EQ(r.pieces.port, c.port) << c.name;
    EXPECT_EQ(r.pieces.object, c.object) << c.name;
    EXPECT_EQ(r.pieces.user, c.user) << c.name;
    EXPECT_EQ(r.pieces.password, c.password) << c.name;
  }
}

TEST(DownloadBytes, SendsAnHttp10GetWithOneAcceptLine) {
  RawServer server(
      [](const std::string&) { return answer("HTTP/1.0 200 OK\r\nContent-Length: 3\r\n\r\nPNG"); });
  EXPECT_EQ(Download_Bytes(Text(server.url("/avatar/1.png?v=2#top"))), ByteSet("PNG"));
  ASSERT_EQ(server.requests().size(), 1u);
  EXPECT_EQ(server.requests()[0],
            "GET /avatar/1.png?v=2 HTTP/1.0\r\nHost: 127.0.0.1:" + std::to_string(server.port()) +
                "\r\nUser-Agent: " + kDownloadAgent + "\r\nAccept: */*\r\n\r\n");
}

TEST(DownloadBytes, BodiesAndFailures) {
  inet::setTimeouts({std::chrono::seconds(2), std::chrono::seconds(1)});
  RawServer server([](const std::string& r) {
    if (r.starts_with("GET /moved "))
      return answer("HTTP/1.1 301 Moved\r\nLocation: /pic\r\nContent-Length: 0\r\n\r\n");
    if (r.starts_with("GET /to-file "))
      return answer("HTTP/1.1 302 Found\r\nLocation: file:///etc/passwd\r\n\r\n");
    if (r.starts_with("GET /pic "))
      return answer("HTTP/1.1 200 OK\r\nContent-Length: 3\r\n\r\nGIF");
    if (r.starts_with("GET /no-length "))
      return answer("HTTP/1.0 200 OK\r\n\r\n" + std::string(25000, 'n'));
    if (r.starts_with("GET /cut "))
      return answer("HTTP/1.1 200 OK\r\nContent-Length: 500000\r\n\r\n" + std::string(150000, 'c'));
    if (r.starts_with("GET /lying "))
      return answer("HTTP/1.1 200 OK\r\nContent-Length: 99999999999999\r\n\r\nsmall");
    return answer("HTTP/1.1 404 Not Found\r\nContent-Length: 4\r\n\r\ngone");
  });
  RawServer silent([](const std::string&) { return RawServer::Reply{"", true}; });
  const std::string port = std::to_string(server.port());
  struct Case {
    const char* name;
    std::string url;
    std::size_t size;
  } cases[] = {
      {"redirect followed", server.url("/moved"), 3},
      {"error answer's body", server.url("/missing"), 4},
      {"no scheme", "127.0.0.1:" + port + "/pic", 3},
      {"no Content-Length", server.url("/no-length"), 25000},
      {"cut off midway keeps what arrived", server.url("/cut"), 150000},
      {"lying Content-Length", server.url("/lying"), 5},
      {"redirect to a file", server.url("/to-file"), 0},
      {"file url", "file:///etc/passwd", 0},
      {"empty url", "", 0},
      {"never answers", silent.url("/"), 0},
      {"refused port", "http://127.0.0.1:" + std::to_string(RawServer::refusedPort()) + "/", 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Download_Bytes(Text(c.url)).size(), static_cast<std::int64_t>(c.size)) << c.name;
  inet::setTimeouts({});
}

}  // namespace
