// Http_Request against servers on 127.0.0.1: the exact request of the tool's
// own calls, the in/out arguments, redirects, cookies, header blocks at the
// buffer's limit and answers that are broken, huge or missing.
#include "http/http_request.h"

#include <gtest/gtest.h>

#include <string>

#include "http/client.h"
#include "http/tests/loopback_server.h"
#include "http/tests/raw_server.h"

namespace {

const std::string kFourLines =
    "Accept: */*\r\nAccept-Language: zh-cn\r\nContent-Type: application/x-www-form-urlencoded";
const Text kBlankHeaders(std::string(5000, ' '));

RawServer::Reply answer(std::string bytes) {
  return {std::move(bytes)};
}

RawServer::Reply okWith(const std::string& body, const std::string& extra = "") {
  return answer("HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n" +
                extra + "\r\n" + body);
}

std::string hostLine(const RawServer& s) {
  return "Host: 127.0.0.1:" + std::to_string(s.port()) + "\r\n";
}

TEST(HttpRequest, TheToolsOwnCallSendsExactlyTheFourLines) {
  RawServer server([](const std::string&) { return okWith("page"); });
  const std::string url = server.url("/db/so.html?a=&k=%E5%90%8D");
  EXPECT_EQ(Http_Request(Text(url)), ByteSet("page"));
  ASSERT_EQ(server.requests().size(), 1u);
  EXPECT_EQ(server.requests()[0], "GET /db/so.html?a=&k=%E5%90%8D HTTP/1.1\r\n" + hostLine(server) +
                                      "User-Agent: " + kHttpDefaultAgent + "\r\nReferer: " + url +
                                      "\r\n" + kFourLines + "\r\n\r\n");
}

// A page id cut from a hostile search page ends up in the URL: its CR LF must
// not start header lines of the page's choosing.
TEST(HttpRequest, LineBreaksInTheUrlStartNoHeaderLine) {
  RawServer server([](const std::string&) { return okWith("page"); });
  const std::string url = server.url("/db/summoner/1\r\nX-Injected: 1\r\n.html");
  EXPECT_EQ(Http_Request(Text(url)), ByteSet("page"));
  ASSERT_EQ(server.requests().size(), 1u);
  const std::string request = server.requests()[0];
  EXPECT_EQ(request.find("\r\nX-Injected"), std::string::npos) << request;
  EXPECT_NE(request.find("\r\nReferer: " +
                         server.url("/db/summoner/1%0D%0AX-Injected: 1%0D%0A.html") + "\r\n"),
            std::string::npos)
      << request;
}

TEST(HttpRequest, ExtraHeadersAndBodyArguments) {
  struct Case {
    const char* name;
    int method;
    const char* postText;
    const char* postBytesIn;
    const char* headersIn;
    const char* cookies;  // nullptr: not given
    std::string headersOut;
    std::string requestLine;
    std::string bodySent;
    const char* postBytesOut;
  } cases[] = {
      {"caller's Referer is kept", 0, "", "", "Referer: mine", nullptr,
       "Referer: mine\r\n" + kFourLines, "GET /p HTTP/1.1", "", ""},
      {"small-letter accept does not count", 0, "", "", "accept: text/html", nullptr,
       "accept: text/html\r\nReferer: URL\r\n" + kFourLines, "GET /p HTTP/1.1", "", ""},
      {"Accept-Language alone still gets Accept", 0, "", "", "Accept-Language: en", nullptr,
       "Accept-Language: en\r\nReferer: URL\r\nAccept: */*\r\n"
       "Content-Type: application/x-www-form-urlencoded",
       "GET /p HTTP/1.1", "", ""},
      {"cookies given are sent last", 0, "", "", "", "a=1; b=2",
       "Referer: URL\r\n" + kFourLines + "\r\nCookie: a=1; b=2", "GET /p HTTP/1.1", "", ""},
      {"cookies given empty send no Cookie line", 0, "", "", "", "",
       "Referer: URL\r\n" + kFourLines, "GET /p HTTP/1.1", "", ""},
      {"method 0 sends no body", 0, "ignored", "", "", nullptr, "Referer: URL\r\n" + kFourLines,
       "GET /p HTTP/1.1", "", ""},
      {"method 1 posts postText", 1, "a=1&b=2", "", "", nullptr, "Referer: URL\r\n" + kFourLines,
       "POST /p HTTP/1.1", "a=1&b=2", "a=1&b=2"},
      {"method 1 prefers postBytes", 1, "ignored", "raw", "", nullptr,
       "Referer: URL\r\n" + kFourLines, "POST /p HTTP/1.1", "raw", "raw"},
      {"method 2 is a GET with body", 2, "q=1", "", "", nullptr, "Referer: URL\r\n" + kFourLines,
       "GET /p HTTP/1.1", "q=1", "q=1"},
      {"method 1 with nothing to post", 1, "", "", "", nullptr, "Referer: URL\r\n" + kFourLines,
       "POST /p HTTP/1.1", "", ""},
  };
  for (Case& c : cases) {
    RawServer server([](const std::string&) { return okWith("ok"); });
    const std::string url = server.url("/p");
    Text headers(c.headersIn);
    ByteSet postBytes(c.postBytesIn);
    Text cookies(c.cookies ? c.cookies : "");
    ByteSet body =
        Http_Request(Text(url), c.method, Text(c.postText), c.cookies ? &cookies : nullptr, nullptr,
                     &headers, nullptr, false, &postBytes);
    EXPECT_EQ(body, ByteSet("ok")) << c.name;
    std::string expectedHeaders = c.headersOut;
    if (auto at = expectedHeaders.find("URL"); at != std::string::npos)
      expectedHeaders.replace(at, 3, url);
    EXPECT_EQ(headers, Text(expectedHeaders)) << c.name;
    EXPECT_EQ(postBytes, ByteSet(c.postBytesOut)) << c.name;
    ASSERT_EQ(server.requests().size(), 1u) << c.name;
    const std::string sent = server.requests()[0];
    EXPECT_TRUE(sent.starts_with(c.requestLine + "\r\n")) << c.name << ": " << sent;
    EXPECT_NE(sent.find("\r\n" + expectedHeaders + "\r\n"), std::string::npos) << c.name << sent;
    EXPECT_TRUE(sent.ends_with("\r\n\r\n" + c.bodySent)) << c.name << ": " << sent;
  }
}

TEST(HttpRequest, AgentComesFromTheUserAgentLine) {
  struct Case {
    const char* name;
    const char* headers;
    const char* agent;
  } cases[] = {
      {"no User-Agent line", "Referer: x", kHttpDefaultAgent},
      {"small letters still count", "user-agent: tiny/1\r\nReferer: x", "tiny/1"},
      {"only line, no line end", "User-Agent:  solo/2 ", "solo/2"},
      {"last of several lines", "Referer: http://a/\r\nUser-Agent: last/3",
       "http://a/\r\nUser-Agent: last/3"},
      {"blank value", "User-Agent: \r\nX: y", "\r\nX: y"},
  };
  for (const Case& c : cases) EXPECT_EQ(httpRequestAgent(Text(c.headers)), Text(c.agent)) << c.name;
}

TEST(HttpRequest, ProxyGivenRoutesPlainHttpThroughIt) {
  RawServer proxy([](const std::string&) { return okWith("proxied"); });
  const Text proxyAddress("127.0.0.1:" + std::to_string(proxy.port()));
  EXPECT_EQ(Http_Request(Text("http://example.invalid/x"), 0, Text(), nullptr, nullptr, nullptr,
                         nullptr, false, nullptr, &proxyAddress),
            ByteSet("proxied"));
  ASSERT_EQ(proxy.requests().size(), 1u);
  EXPECT_TRUE(proxy.requests()[0].starts_with("GET http://example.invalid/x HTTP/1.1\r\n"));

  // An empty proxy names no proxy server, so the request goes out directly.
  RawServer direct([](const std::string&) { return okWith("direct"); });
  const Text empty;
  EXPECT_EQ(Http_Request(Text(direct.url("/")), 0, Text(), nullptr, nullptr, nullptr, nullptr,
                         false, nullptr, &empty),
            ByteSet("direct"));
}

TEST(HttpRequest, CapitalHttpsSchemeUsesTls) {
  inet::setTimeouts({std::chrono::seconds(2), std::chrono::seconds(1)});
  RawServer server([](const std::string&) { return RawServer::Reply{"", true}; });
  const std::string url = "HTTPS://127.0.0.1:" + std::to_string(server.port()) + "/";
  EXPECT_EQ(Http_Request(Text(url)), ByteSet());
  inet::setTimeouts({});
  // The server keeps what arrived once the client has given up and closed.
  for (int i = 0; i < 200 && server.requests().empty(); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  ASSERT_FALSE(server.requests().empty());
  EXPECT_TRUE(server.requests()[0].starts_with("\x16\x03"));  // a TLS handshake record
}

struct Outputs {
  ByteSet body;
  Text location, rawHeaders, receivedCookies;
};

Outputs request(const std::string& url, bool noRedirect = false, Text* cookies = nullptr,
                Text location = Text()) {
  Outputs o;
  o.location = std::move(location);
  o.body = Http_Request(Text(url), 0, Text(), cookies, &o.receivedCookies, nullptr, &o.location,
                        noRedirect, nullptr, nullptr, &o.rawHeaders);
  return o;
}

TEST(HttpRequest, ResponseHeadersFillLocationAndReceivedCookies) {
  RawServer server([](const std::string& r) {
    if (r.starts_with("GET /from "))
      return answer("HTTP/1.1 302 Found\r\nLocation: /to\r\nContent-Length: 4\r\n\r\nmove");
    if (r.starts_with("GET /to ")) return okWith("final");
    if (r.starts_with("GET /content-location "))
      return okWith("", "Content-Location: http://h/other\r\n");
    if (r.starts_with("GET /jar/two-cookies "))
      return okWith("", "Set-Cookie: a=1; Path=/jar\r\nSet-Cookie: b=2; Path=/jar; HttpOnly\r\n");
    if (r.starts_with("GET /jar/bare-cookie "))
      return okWith("", "Set-Cookie: a=1; Path=/jar\r\nSet-Cookie: c=3\r\n");
    return answer("HTTP/1.1 404 Not Found\r\nContent-Length: 7\r\n\r\nmissing");
  });
  Outputs followed = request(server.url("/from"));
  EXPECT_EQ(followed.body, ByteSet("final"));
  EXPECT_EQ(followed.rawHeaders, Text("HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\n"));
  EXPECT_EQ(followed.location, followed.rawHeaders);

  Outputs unfollowed = request(server.url("/from"), true);
  EXPECT_EQ(unfollowed.body, ByteSet("move"));
  EXPECT_EQ(unfollowed.location, Text("/to"));

  EXPECT_EQ(request(server.url("/content-location")).location, Text("http://h/other"));
  EXPECT_EQ(request(server.url("/to"), false, nullptr, Text("kept")).location, Text("kept"));
  EXPECT_EQ(request(server.url("/jar/two-cookies")).receivedCookies, Text("a=1; b=2"));
  EXPECT_EQ(request(server.url("/jar/bare-cookie")).receivedCookies, Text("a=1; "));
  EXPECT_EQ(request(server.url("/missing")).body, ByteSet("missing"));

  Text cookies("b=9; z=1");
  Outputs merged = request(server.url("/jar/two-cookies"), false, &cookies);
  EXPECT_EQ(cookies, Text("a=1; b=2; z=1"));
  EXPECT_EQ(merged.receivedCookies, Text("a=1;b=2"));
}

TEST(HttpRequest, CookieStoreServesLaterRequestsUnlessCookiesAreGiven) {
  RawServer server([](const std::string& r) {
    if (r.starts_with("GET /store/set "))
      return okWith("", "Set-Cookie: kept=yes; Path=/store\r\n");
    return okWith("");
  });
  Http_Request(Text(server.url("/store/set")));
  Http_Request(Text(server.url("/store/served")));
  Text none;
  Http_Request(Text(server.url("/store/bypassed")), 0, Text(), &none);
  auto sent = server.requests();
  ASSERT_EQ(sent.size(), 3u);
  EXPECT_NE(sent[1].find("\r\nCookie: kept=yes\r\n"), std::string::npos) << sent[1];
  EXPECT_EQ(sent[2].find("Cookie"), std::string::npos) << sent[2];
}

// A header block of exactly the given size, status line and empty line included.
std::string headerBlockOf(std::size_t size) {
  const std::string start = "HTTP/1.1 200 OK\r\nContent-Length: 4\r\nX-Pad: ";
  return start + std::string(size - start.size() - 4, 'p') + "\r\n\r\n";
}

TEST(HttpRequest, HeaderBlockMustFitTheBufferWithItsZero) {
  RawServer server([](const std::string& r) {
    return answer(headerBlockOf(r.starts_with("GET /4999 ") ? 4999 : 5000) + "body");
  });
  Outputs fits = request(server.url("/4999"));
  EXPECT_EQ(fits.rawHeaders, Text(headerBlockOf(4999)));
  EXPECT_EQ(fits.body, ByteSet("body"));

  Outputs tooLong = request(server.url("/5000"));
  EXPECT_EQ(tooLong.rawHeaders, kBlankHeaders);
  EXPECT_EQ(tooLong.location, kBlankHeaders);
  EXPECT_EQ(tooLong.body, ByteSet("body"));
}

TEST(HttpRequest, EmptyBrokenOrMissingAnswers) {
  inet::setTimeouts({std::chrono::seconds(2), std::chrono::seconds(1)});
  RawServer noContent([](const std::string&) { return answer("HTTP/1.1 204 No Content\r\n\r\n"); });
  RawServer cutOff([](const std::string&) {
    return answer("HTTP/1.1 200 OK\r\nContent-Length: 100000\r\n\r\n" + std::string(3000, 'x'));
  });
  RawServer silent([](const std::string&) { return RawServer::Reply{"", true}; });
  RawServer garbage([](const std::string&) { return answer("\x01\x02 not http at all\r\n\r\n"); });
  const std::string refused = "http://127.0.0.1:" + std::to_string(RawServer::refusedPort()) + "/";
  struct Case {
    const char* name;
    std::string url;
    std::size_t bodySize;
    bool headersArrive;
  } cases[] = {
      {"204 answer", noContent.url("/"), 0, true},
      {"body cut off midway", cutOff.url("/"), 3000, true},
      {"never answers", silent.url("/"), 0, false},
      {"not an HTTP answer", garbage.url("/"), 0, false},
      {"refused port", refused, 0, false},
      {"user information in the host", "http://user@127.0.0.1/", 0, false},
      {"port out of range", "http://127.0.0.1:99999/", 0, false},
      {"empty url", "", 0, false},
      {"control bytes in the url", refused + "a\r\nInjected: 1", 0, false},
  };
  for (const Case& c : cases) {
    Outputs o = request(c.url);
    EXPECT_EQ(o.body.size(), static_cast<std::int64_t>(c.bodySize)) << c.name;
    EXPECT_EQ(o.rawHeaders != kBlankHeaders, c.headersArrive) << c.name;
    EXPECT_EQ(o.receivedCookies, Text()) << c.name;
  }
  inet::setTimeouts({});
}

TEST(HttpRequest, FiftyMegabyteBodyArrivesWhole) {
  const std::string big(50 * 1024 * 1024, 'z');
  LoopbackServer server;
  server.server().Get("/big", [&](const httplib::Request&, httplib::Response& res) {
    res.set_content(big, "application/octet-stream");
  });
  server.start();
  ByteSet body = Http_Request(Text(server.url("/big")));
  EXPECT_EQ(body.size(), static_cast<std::int64_t>(big.size()));
  EXPECT_TRUE(body.view() == big);
}

}  // namespace
