#include "sites/query_string.h"

#include <gtest/gtest.h>

#include <array>

namespace {

TEST(QueryStringTest, AcceptsOnlyTheGivenParametersOnceEach) {
  static constexpr std::array<QueryField, 2> fields = {{{"a", false}, {"k", true}}};
  struct Case {
    const char* name;
    std::string_view query;
    QueryStatus status;
    std::string_view k;
  };
  const Case cases[] = {
      {"as the tool sends it", "a=&k=%E6%9A%97", QueryStatus::ok, "暗"},
      {"optional one left out", "k=x", QueryStatus::ok, "x"},
      {"empty value", "a=&k=", QueryStatus::ok, ""},
      {"order does not matter", "k=x&a=1", QueryStatus::ok, "x"},
      {"required one missing", "a=", QueryStatus::missingParameter, ""},
      {"empty query", "", QueryStatus::missingParameter, ""},
      {"repeated", "a=&k=x&k=y", QueryStatus::repeatedParameter, ""},
      {"unknown", "a=&k=x&z=1", QueryStatus::unknownParameter, ""},
      {"names are case-sensitive", "a=&K=x", QueryStatus::unknownParameter, ""},
      {"pair without equals", "a&k=x", QueryStatus::malformed, ""},
      {"empty pair", "a=&&k=x", QueryStatus::malformed, ""},
      {"trailing ampersand", "a=&k=x&", QueryStatus::malformed, ""},
      {"bad value", "a=&k=%ZZ", QueryStatus::badValue, ""},
  };
  for (const Case& c : cases) {
    const QueryResult result = parseQuery(c.query, fields);
    EXPECT_EQ(result.status, c.status) << c.name;
    if (c.status == QueryStatus::ok) {
      EXPECT_EQ(result.values.at("k"), c.k) << c.name;
    }
  }
}

TEST(QueryStringTest, ErrorDetailNeverEchoesMarkup) {
  const QueryResult result = parseQuery("<script>=1", {});
  EXPECT_EQ(result.status, QueryStatus::unknownParameter);
  EXPECT_EQ(result.detail.find('<'), std::string::npos);
}

}  // namespace
