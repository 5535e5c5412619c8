#include "sites/request_target.h"

#include <gtest/gtest.h>

namespace {

TEST(RequestTargetTest, PlainPathsOnly) {
  struct Case {
    const char* name;
    std::string_view path;
    bool plain;
  };
  const Case cases[] = {
      {"page", "/db/summoner/123.html", true},    {"root", "/", true},
      {"dot dot", "/avatars/../seed.sql", false}, {"double slash", "//x", false},
      {"escape", "/avatars/%2e%2e/x", false},     {"backslash", "/avatars\\x", false},
      {"relative", "avatars/a.png", false},       {"empty", "", false},
      {"raw high byte", "/\xE6\x9A\x97", false},  {"space", "/a b", false},
  };
  for (const Case& c : cases) EXPECT_EQ(isPlainPath(c.path), c.plain) << c.name;
}

TEST(RequestTargetTest, PageIdsAreCanonicalNumbers) {
  struct Case {
    const char* name;
    std::string_view path;
    std::optional<std::int64_t> id;
  };
  const Case cases[] = {
      {"id", "/db/summoner/4090067.html", 4090067},
      {"twelve digits", "/db/summoner/999999999999.html", 999999999999},
      {"empty", "/db/summoner/.html", std::nullopt},
      {"leading zero", "/db/summoner/0123.html", std::nullopt},
      {"thirteen digits", "/db/summoner/1234567890123.html", std::nullopt},
      {"sign", "/db/summoner/-1.html", std::nullopt},
      {"other suffix", "/db/summoner/12.htm", std::nullopt},
      {"prefix and suffix overlap", "/db/summoner/.html", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(pageId(c.path, "/db/summoner/", ".html"), c.id) << c.name;
}

TEST(RequestTargetTest, SiteBaseTakesOnlyAWellFormedHost) {
  struct Case {
    const char* name;
    std::string_view host;
    std::string_view base;
  };
  const Case cases[] = {
      {"loopback with port", "127.0.0.1:18360", "http://127.0.0.1:18360"},
      {"name", "localhost", "http://localhost"},
      {"ipv6", "[::1]:80", "http://[::1]:80"},
      {"missing", "", "http://127.0.0.1:5000"},
      {"quote", "a\"b", "http://127.0.0.1:5000"},
      {"markup", "x><img", "http://127.0.0.1:5000"},
      {"port not a number", "host:8o", "http://127.0.0.1:5000"},
      {"empty ipv6", "[]", "http://127.0.0.1:5000"},
      {"path in host", "a/b", "http://127.0.0.1:5000"},
  };
  for (const Case& c : cases) EXPECT_EQ(siteBase(c.host, 5000), c.base) << c.name;
}

}  // namespace
