// The client layer against servers on 127.0.0.1: what goes on the wire, the
// raw header block and its query, cookies, redirects and broken answers.
#include "http/client.h"

#include <gtest/gtest.h>

#include <string>

#include "http/tests/raw_server.h"

namespace {

using inet::QueryInfo;
using inet::QueryStatus;
using inet::SendStatus;

RawServer::Reply answer(std::string bytes) {
  return {std::move(bytes)};
}

RawServer::Reply okWith(const std::string& body, const std::string& extra = "") {
  return answer("HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n" +
                extra + "\r\n" + body);
}

struct Exchange {
  SendStatus sent = SendStatus::Failed;
  std::string body;
  bool readOk = false;
  QueryStatus rawStatus = QueryStatus::NotFound;
  std::string raw;
};

// Runs one request through the three handles and reads everything.
Exchange exchange(int port, const std::string& object, std::uint32_t flags = inet::kFlagReload,
                  const std::string& headers = "", const std::string& body = "",
                  const std::string& verb = "GET",
                  inet::Session session = inet::Session("agent/1")) {
  inet::Connection connection{&session, "127.0.0.1", port};
  inet::Request request(connection, verb, object, "HTTP/1.1", flags);
  Exchange e;
  e.sent = request.send(headers, body);
  char chunk[1024];
  std::uint32_t count = 0;
  while ((e.readOk = request.read(chunk, sizeof chunk, count)) && count > 0)
    e.body.append(chunk, count);
  std::string buffer(64 * 1024, ' ');
  std::uint32_t length = static_cast<std::uint32_t>(buffer.size());
  e.rawStatus = request.query(QueryInfo::RawHeadersCrlf, buffer.data(), length);
  if (e.rawStatus == QueryStatus::Ok) e.raw = buffer.substr(0, length);
  return e;
}

TEST(ClientWire, SendsHostAgentThenTheCallersLinesAndNothingElse) {
  RawServer server([](const std::string&) { return okWith("hi"); });
  Exchange e = exchange(server.port(), "/a b?q=\xB0\xA1#frag", inet::kFlagReload,
                        "Referer: x\r\nAccept-Language:\r\nbad\rline: v\r\nX-Two: 2");
  EXPECT_EQ(e.sent, SendStatus::Ok);
  EXPECT_EQ(e.body, "hi");
  ASSERT_EQ(server.requests().size(), 1u);
  EXPECT_EQ(server.requests()[0],
            "GET /a%20b?q=%B0%A1 HTTP/1.1\r\n"
            "Host: 127.0.0.1:" +
                std::to_string(server.port()) +
                "\r\n"
                "User-Agent: agent/1\r\n"
                "Referer: x\r\n"
                "Accept-Language:\r\n"
                "bad line: v\r\n"
                "X-Two: 2\r\n\r\n");
}

TEST(ClientWire, BodyIsSentWithTheVerbAsked) {
  struct Case {
    const char* name;
    const char* verb;
    const char* body;
    const char* expectedStart;
  } cases[] = {
      {"post with body", "POST", "a=1", "POST / HTTP/1.1\r\n"},
      {"post without body", "POST", "", "POST / HTTP/1.1\r\n"},
      {"get carrying a body", "GET", "a=1", "GET / HTTP/1.1\r\n"},
  };
  for (const Case& c : cases) {
    RawServer server([](const std::string&) { return okWith(""); });
    exchange(server.port(), "/", inet::kFlagReload, "Content-Type: t", c.body, c.verb);
    ASSERT_EQ(server.requests().size(), 1u) << c.name;
    const std::string got = server.requests()[0];
    EXPECT_TRUE(got.starts_with(c.expectedStart)) << c.name << ": " << got;
    EXPECT_NE(got.find("Content-Length: " + std::to_string(strlen(c.body)) + "\r\n"),
              std::string::npos)
        << c.name;
    EXPECT_TRUE(got.ends_with(std::string("\r\n\r\n") + c.body)) << c.name;
    EXPECT_EQ(got.find("Expect"), std::string::npos) << c.name;
    EXPECT_EQ(got.find("Content-Type: application"), std::string::npos) << c.name;
  }
}

TEST(ClientWire, ProxyListServesPlainHttp) {
  RawServer proxy([](const std::string&) { return okWith("via proxy"); });
  inet::Session session{"a", inet::AccessType::Proxy,
                        "http=127.0.0.1:" + std::to_string(proxy.port())};
  inet::Connection connection{&session, "example.invalid", 8080};
  inet::Request request(connection, "GET", "/x", "HTTP/1.1", inet::kFlagReload);
  EXPECT_EQ(request.send("", ""), SendStatus::Ok);
  ASSERT_EQ(proxy.requests().size(), 1u);
  EXPECT_TRUE(proxy.requests()[0].starts_with("GET http://example.invalid:8080/x HTTP/1.1\r\n"))
      << proxy.requests()[0];
}

TEST(ClientHeaders, RawBlockIsTheFinalAnswersEndedByAnEmptyLine) {
  RawServer server([](const std::string& request) {
    if (request.starts_with("GET /from "))
      return answer("HTTP/1.1 302 Found\r\nLocation: /to\r\nContent-Length: 0\r\n\r\n");
    // Bare LF line ends, as some servers send them.
    return answer("HTTP/1.1 200 OK\nX-A: 1\nContent-Length: 2\n\nok");
  });
  Exchange e = exchange(server.port(), "/from");
  EXPECT_EQ(e.body, "ok");
  EXPECT_EQ(e.rawStatus, QueryStatus::Ok);
  EXPECT_EQ(e.raw, "HTTP/1.1 200 OK\r\nX-A: 1\r\nContent-Length: 2\r\n\r\n");

  Exchange unfollowed = exchange(server.port(), "/from", inet::kFlagNoAutoRedirect);
  EXPECT_TRUE(unfollowed.raw.starts_with("HTTP/1.1 302 Found\r\nLocation: /to\r\n"));
}

TEST(ClientHeaders, QueryNeedsRoomForTheBlockAndItsZero) {
  const std::string block = "HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n";
  RawServer server([&](const std::string&) { return answer(block); });
  inet::Session session("a");
  inet::Connection connection{&session, "127.0.0.1", server.port()};
  inet::Request request(connection, "GET", "/", "HTTP/1.1", inet::kFlagReload);
  ASSERT_EQ(request.send("", ""), SendStatus::Ok);

  std::string buffer(block.size(), '#');
  std::uint32_t length = static_cast<std::uint32_t>(buffer.size());
  EXPECT_EQ(request.query(QueryInfo::RawHeadersCrlf, buffer.data(), length),
            QueryStatus::InsufficientBuffer);
  EXPECT_EQ(length, block.size() + 1);
  EXPECT_EQ(buffer, std::string(block.size(), '#'));

  buffer.assign(block.size() + 1, '#');
  length = static_cast<std::uint32_t>(buffer.size());
  EXPECT_EQ(request.query(QueryInfo::RawHeadersCrlf, buffer.data(), length), QueryStatus::Ok);
  EXPECT_EQ(length, block.size());
  EXPECT_EQ(buffer, block + '\0');

  char number[32];
  length = sizeof number;
  EXPECT_EQ(request.query(QueryInfo::ContentLength, number, length), QueryStatus::Ok);
  EXPECT_STREQ(number, "0");
}

TEST(ClientFailures, EndInBoundedTimeWithNothingToRead) {
  inet::setTimeouts({std::chrono::seconds(2), std::chrono::seconds(1)});
  RawServer silent([](const std::string&) { return RawServer::Reply{"", true}; });
  RawServer loop([](const std::string&) {
    return answer("HTTP/1.1 302 Found\r\nLocation: /again\r\nContent-Length: 0\r\n\r\n");
  });
  RawServer toFile([](const std::string&) {
    return answer(
        "HTTP/1.1 302 Found\r\nLocation: file:///etc/passwd\r\nContent-Length: 0\r\n\r\n");
  });
  struct Case {
    const char* name;
    int port;
    SendStatus expected;
    bool headersArrive;
  } cases[] = {
      {"refused port", RawServer::refusedPort(), SendStatus::Refused, false},
      {"never answers", silent.port(), SendStatus::TimedOut, false},
      {"redirect loop", loop.port(), SendStatus::TooManyRedirects, true},
      {"redirect to a file", toFile.port(), SendStatus::Failed, true},
  };
  for (const Case& c : cases) {
    Exchange e = exchange(c.port, "/");
    EXPECT_EQ(e.sent, c.expected) << c.name << ": " << inet::to_string(e.sent);
    EXPECT_EQ(e.body, "") << c.name;
    EXPECT_FALSE(e.readOk) << c.name;
    EXPECT_EQ(e.rawStatus, c.headersArrive ? QueryStatus::Ok : QueryStatus::NotFound) << c.name;
  }
  EXPECT_LE(loop.requests().size(), 21u);
  inet::setTimeouts({});
}

TEST(ClientFailures, BodyCutOffMidwayGivesWhatArrivedThenFails) {
  RawServer server([](const std::string&) {
    return answer("HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n" + std::string(500, 'x'));
  });
  Exchange e = exchange(server.port(), "/");
  EXPECT_EQ(e.sent, SendStatus::Ok);
  EXPECT_EQ(e.body, std::string(500, 'x'));
  EXPECT_FALSE(e.readOk);
  EXPECT_EQ(e.rawStatus, QueryStatus::Ok);
}

TEST(ClientCookies, StoreServesLaterRequestsUnlessBypassed) {
  RawServer server([](const std::string& request) {
    if (request.starts_with("GET /set ")) return okWith("", "Set-Cookie: stored=1; Path=/\r\n");
    if (request.starts_with("GET /bypass-set "))
      return okWith("", "Set-Cookie: ignored=1; Path=/\r\n");
    return okWith("");
  });
  exchange(server.port(), "/set");
  exchange(server.port(), "/bypass-set", inet::kFlagReload | inet::kFlagNoCookies);
  exchange(server.port(), "/bypassed", inet::kFlagReload | inet::kFlagNoCookies);
  exchange(server.port(), "/served");
  auto requests = server.requests();
  ASSERT_EQ(requests.size(), 4u);
  EXPECT_EQ(requests[2].find("Cookie"), std::string::npos) << requests[2];
  EXPECT_NE(requests[3].find("\r\nCookie: stored=1\r\n"), std::string::npos) << requests[3];
  EXPECT_EQ(requests[3].find("ignored"), std::string::npos) << requests[3];
}

TEST(ClientAddress, UnusableHostOrPortFailsWithoutSending) {
  struct Case {
    const char* name;
    const char* host;
    int port;
  } cases[] = {
      {"empty host", "", 80},
      {"user information in host", "user@127.0.0.1", 80},
      {"space in host", "a b", 80},
      {"port 0", "127.0.0.1", 0},
      {"port too large", "127.0.0.1", 70000},
  };
  for (const Case& c : cases) {
    inet::Session session("a");
    inet::Connection connection{&session, c.host, c.port};
    inet::Request request(connection, "GET", "/", "HTTP/1.1", inet::kFlagReload);
    EXPECT_EQ(request.send("", ""), SendStatus::BadAddress) << c.name;
    std::uint32_t count = 1;
    char b[8];
    EXPECT_FALSE(request.read(b, sizeof b, count)) << c.name;
    EXPECT_EQ(count, 0u) << c.name;
  }
}

}  // namespace
