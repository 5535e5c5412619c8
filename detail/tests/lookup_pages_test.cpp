// The pure halves of the birthday and hidden-score lookups: their addresses
// and what they take from a page.
#include <gtest/gtest.h>

#include "detail/birthday_page.h"
#include "detail/hidden_score_page.h"
#include "text/literal.h"

namespace {

Text gbk(const char* utf8) {
  return Literal_ToText(utf8);
}

TEST(BirthdayPage, Address) {
  EXPECT_EQ(birthdayPageUrl(Text("http://s"), Text("42")), Text("http://s/db/birth/42.html"));
  EXPECT_EQ(birthdayPageUrl(Text("http://s"), Text()), Text("http://s/db/birth/.html"));
}

TEST(BirthdayPage, MarkerMustMatchExceptForLetterCase) {
  struct Case {
    const char* name;
    const char* page;
    const char* expected;
  } cases[] = {
      {"plain", R"(<p><span class="time fwr f30">1990-01-02</span>)", "1990-01-02"},
      {"ends at first closing tag", R"(<span class="time fwr f30"><b>x</b></span>)", "<b>x"},
      {"white space kept", "<span class=\"time fwr f30\"> 5月\t</span>", " 5月\t"},
      {"first occurrence", R"(<span class="time fwr f30">a</span><span class="time fwr f30">b</)",
       "a"},
      {"letter case ignored", R"(<SPAN CLASS="TIME FWR F30">x</SPAN>)", "x"},
      {"single quotes", R"(<span class='time fwr f30'>x</span>)", ""},
      {"two spaces", R"(<span class="time  fwr f30">x</span>)", ""},
      {"further attribute", R"(<span class="time fwr f30" id="b">x</span>)", ""},
      {"no closing tag", R"(<span class="time fwr f30">x)", ""},
      {"empty page", "", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(birthdayFromPage(gbk(c.page)), gbk(c.expected)) << c.name;
}

TEST(HiddenScorePage, ServerValueFromTheTable) {
  struct Case {
    const char* name;
    const char* server;
    const char* expected;
  } cases[] = {
      {"server name", "班德尔城", "5"},
      {"line name shared by many", "电信十", "14"},
      {"full name text", "暗影岛 电信十一", "15"},
      {"empty server is in line 1", "", "1"},
      {"unknown server", "不存在", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(hiddenScoreServerValue(gbk(c.server)), gbk(c.expected)) << c.name;
}

TEST(HiddenScorePage, AddressCarriesTheNameAsUtf8) {
  const Text base("http://h:1");
  EXPECT_EQ(hiddenScoreUrl(base, Text("5"), Text("abc")),
            Text("http://h:1/rank.php?server=5&name=abc&result=true"));
  EXPECT_EQ(hiddenScoreUrl(base, Text(), gbk("张 三")),
            Text("http://h:1/rank.php?server=&name=%E5%BC%A0%20%E4%B8%89&result=true"));
}

TEST(HiddenScorePage, MarkerNeedsCrLfAndFourTabs) {
  struct Case {
    const char* name;
    const char* page;
    const char* expected;
  } cases[] = {
      {"plain", "<tr><td>隐藏分</td>\r\n\t\t\t\t<td>1520</td>", "1520"},
      {"not trimmed, ends at first closing tag", "td>隐藏分</td>\r\n\t\t\t\t<td> 15<b>2</b>",
       " 15<b>2"},
      {"letter case ignored", "TD>隐藏分</TD>\r\n\t\t\t\t<TD>9</TD>", "9"},
      {"bare LF", "td>隐藏分</td>\n\t\t\t\t<td>1520</td>", ""},
      {"three tabs", "td>隐藏分</td>\r\n\t\t\t<td>1520</td>", ""},
      {"spaces for tabs", "td>隐藏分</td>\r\n    <td>1520</td>", ""},
      {"no closing tag", "td>隐藏分</td>\r\n\t\t\t\t<td>1520", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(hiddenScoreFromPage(gbk(c.page)), gbk(c.expected)) << c.name;
}

}  // namespace
