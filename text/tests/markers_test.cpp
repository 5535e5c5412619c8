#include "text/markers.h"

#include <gtest/gtest.h>

#include "text/literal.h"

namespace {

TEST(TextBetween, Cases) {
  struct Case {
    const char* name;
    Text text, left, right;
    std::int64_t start;
    bool caseSensitive;
    Text expected;
  } cases[] = {
      {"plain", Text("<b>x</b>"), Text("<b>"), Text("</b>"), 0, false, Text("x")},
      {"missing left", Text("x</b>"), Text("<b>"), Text("</b>"), 0, false, Text("")},
      {"missing right", Text("<b>x"), Text("<b>"), Text("</b>"), 0, false, Text("")},
      {"adjacent markers", Text("<b></b>"), Text("<b>"), Text("</b>"), 0, false, Text("")},
      {"case ignored", Text("<SPAN>x</span>"), Text("<span>"), Text("</span>"), 0, false,
       Text("x")},
      {"case sensitive", Text("<SPAN>x</span>"), Text("<span>"), Text("</span>"), 0, true,
       Text("")},
      {"quote placeholder", Text("a=\"b\""), Text("a=#引号"_gbk), Text("#引号"_gbk), 0, false,
       Text("b")},
      {"right only after left", Text("y x1y"), Text("x"), Text("y"), 0, false, Text("1")},
      {"from a start", Text("x1y x2y"), Text("x"), Text("y"), 3, false, Text("2")},
      {"not trimmed", Text("<i> a </i>"), Text("<i>"), Text("</i>"), 0, false, Text(" a ")},
      {"right not inside left", Text("aba"), Text("ab"), Text("b"), 0, false, Text("")},
      {"empty right marker", Text("<b>x"), Text("<b>"), Text(""), 0, false, Text("")},
      {"empty left marker", Text("x</b>"), Text(""), Text("</b>"), 0, false, Text("x")},
      {"empty text", Text(), Text("<b>"), Text("</b>"), 0, false, Text("")},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Text_Between(c.text, c.left, c.right, c.start, c.caseSensitive), c.expected)
        << c.name;
}

struct AllCase {
  const char* name;
  Text text, left, right;
  TextArray expected;
};

void expectAll(const AllCase& c, TextArray out, std::int64_t placed) {
  EXPECT_EQ(out, c.expected) << c.name;
  EXPECT_EQ(placed, TextArray_Count(c.expected)) << c.name;
}

TEST(TextBetweenAll, DefaultOptions) {
  const AllCase cases[] = {
      {"rows keep line breaks, lose spaces",
       Text("\r\n\t<tr>\r\n\t\t<td>A</td>\r\n\t</tr>\r\n\t<tr> <td>B</td> </tr>\r\n"),
       Text("<tr>"),
       Text("</tr>"),
       {Text("\r\n\t\t<td>A</td>\r\n\t"), Text("<td>B</td>")}},
      {"an empty cell ends the scan",
       Text("<td>1</td><td> </td><td>3</td>"),
       Text("<td>"),
       Text("</td>"),
       {Text("1")}},
      {"an empty first match gives nothing",
       Text("<a></a><a>x</a>"),
       Text("<a>"),
       Text("</a>"),
       {}},
      {"a full-width space is empty",
       Text("<a>\xA1\xA1</a><a>x</a>"),
       Text("<a>"),
       Text("</a>"),
       {}},
      {"a line break is not", Text("<a>\r\n</a>"), Text("<a>"), Text("</a>"), {Text("\r\n")}},
      {"equal markers chain",
       Text("|a|b|c|"),
       Text("|"),
       Text("|"),
       {Text("a"), Text("b"), Text("c")}},
      {"case ignored",
       Text("<TR>x</TR><tr>y</tr>"),
       Text("<tr>"),
       Text("</tr>"),
       {Text("x"), Text("y")}},
      {"no right marker", Text("<a>x"), Text("<a>"), Text("</a>"), {}},
      {"empty left marker stops after one pass", Text("a|b|c"), Text(""), Text("|"), {Text("a")}},
      {"both markers empty", Text("abc"), Text(""), Text(""), {}},
      {"empty right marker", Text("<a>x"), Text("<a>"), Text(""), {}},
      {"quote placeholder is literal here",
       Text("#引号x#引号"_gbk),
       Text("#引号"_gbk),
       Text("#引号"_gbk),
       {Text("x")}},
  };
  for (const auto& c : cases) {
    TextArray out{Text("left over")};
    std::int64_t placed = Text_BetweenAll(c.text, c.left, c.right, out);
    expectAll(c, out, placed);
  }
}

TEST(TextBetweenAll, Options) {
  TextArray out;
  EXPECT_EQ(Text_BetweenAll(Text("[a][b]"), Text("["), Text("]"), out, false, 0, Text("("),
                            Text(")"), true, true),
            2);
  EXPECT_EQ(out, (TextArray{Text("[(a)]"), Text("[(b)]")}));

  EXPECT_EQ(Text_BetweenAll(Text("<b>ab</b><b>abcdef</b><b>c</b>"), Text("<b>"), Text("</b>"), out,
                            false, 3),
            1);
  EXPECT_EQ(out, (TextArray{Text("ab")}));

  EXPECT_EQ(Text_BetweenAll(Text("<TR>x</TR><tr>y</tr>"), Text("<tr>"), Text("</tr>"), out, true),
            1);
  EXPECT_EQ(out, (TextArray{Text("y")}));

  EXPECT_EQ(Text_BetweenAll(Text("<a>1</a><a>2</a>"), Text("<a>"), Text("</a>"), out, false, 0,
                            Text(), Text(), false, false, 5),
            1);
  EXPECT_EQ(out, (TextArray{Text("2")}));
}

TEST(TextBetweenAll, EmptyLeftMarkerFromALaterStartEnds) {
  TextArray out;
  EXPECT_EQ(Text_BetweenAll(Text("a|b|c"), Text(""), Text("|"), out, false, 0, Text(), Text(),
                            false, false, 3),
            0);
  EXPECT_EQ(TextArray_Count(out), 0);
}

TEST(TextBetweenAll, TextMayBeAnElementOfOut) {
  TextArray out{Text("|a|b|")};
  EXPECT_EQ(Text_BetweenAll(TextArray_At(out, 1), Text("|"), Text("|"), out), 2);
  EXPECT_EQ(out, (TextArray{Text("a"), Text("b")}));
}

}  // namespace
