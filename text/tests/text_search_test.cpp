#include <gtest/gtest.h>

#include <random>
#include <string>

#include "text/text_ops.h"

namespace {

TEST(TextFind, Cases) {
  struct Case {
    const char* name;
    Text t, sub;
    std::int64_t start;
    bool ignoreCase;
    std::int64_t expected;
  } cases[] = {
      {"empty sub in a text", Text("abc"), Text(""), 0, false, 1},
      {"empty sub in empty text", Text(""), Text(""), 0, false, -1},
      {"empty sub gives 1 whatever the start", Text("abc"), Text(""), 3, false, 1},
      {"empty sub past the end", Text("abc"), Text(""), 4, false, -1},
      {"from a start", Text("abcabc"), Text("c"), 4, false, 6},
      {"start 0 is the first byte", Text("abcabc"), Text("a"), 0, false, 1},
      {"negative start is the first byte", Text("abcabc"), Text("a"), -5, false, 1},
      {"start past the end", Text("abc"), Text("c"), 4, false, -1},
      {"ignoring case", Text("<TR>"), Text("<tr>"), 0, true, 1},
      {"case counts", Text("<TR>"), Text("<tr>"), 0, false, -1},
      {"second byte is skipped", Text("\xB0\x41\x41"), Text("A"), 0, false, 3},
      {"second byte folded too", Text("\xB0\x41"), Text("\xB0\x61"), 0, true, 1},
      {"only high bytes fold nothing", Text("\xC1"), Text("\xE1"), 0, true, -1},
      {"walk begins at the start byte", Text("\xB0\x41\x41"), Text("A"), 2, false, 2},
      {"lone lead byte ends the walk", Text("a\xB0"), Text("\xB0"), 0, false, -1},
      {"lead byte followed by a byte matches", Text("a\xB0\x41"), Text("\xB0"), 0, false, 2},
      {"sub longer than text", Text("ab"), Text("abc"), 0, false, -1},
      {"needle at the very end", Text(std::string(34, 'x') + "</tr>"), Text("</TR>"), 0, true, 35},
      {"odd run of high bytes in a long text",
       Text(std::string(20, 'a') + "\xB0\xB0\xB0<b>" + std::string(20, 'a')), Text("<b"), 0, false,
       -1},
      {"even run of high bytes in a long text",
       Text(std::string(20, 'a') + "\xB0\xB0\xB0\xB0<b>" + std::string(20, 'a')), Text("<b"), 0,
       false, 25},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Text_Find(c.t, c.sub, c.start, c.ignoreCase), c.expected) << c.name;
}

TEST(TextFindLast, Cases) {
  struct Case {
    const char* name;
    Text t, sub;
    bool ignoreCase;
    std::int64_t expected;
  } cases[] = {
      {"last separator", Text("a:b:c"), Text(":"), false, 4},
      {"none", Text("abc"), Text(":"), false, -1},
      {"empty sub", Text("abc"), Text(""), false, 1},
      {"empty sub in empty text", Text(""), Text(""), false, -1},
      {"ignoring case", Text("xAbxaB"), Text("ab"), true, 5},
      {"not on a second byte", Text("A\xB0\x41"), Text("A"), false, 1},
      {"overlapping occurrences", Text("aaaa"), Text("aa"), false, 3},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Text_FindLast(c.t, c.sub, c.ignoreCase), c.expected) << c.name;
}

// The stepping rule written as plainly as possible: compare at every
// character start of a walk that begins at the start byte.
std::int64_t referenceFind(const std::string& t, const std::string& sub, std::int64_t start,
                           bool ignoreCase) {
  auto fold = [](unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; };
  const auto length = static_cast<std::int64_t>(t.size());
  const auto k = static_cast<std::int64_t>(sub.size());
  std::int64_t p = start >= 1 ? start - 1 : 0;
  if (p >= length) return -1;
  if (k == 0) return 1;
  while (p < length && length - p >= k) {
    bool lead = static_cast<unsigned char>(t[p]) >= 0x80;
    if (lead && p + 1 == length) return -1;
    bool equal = true;
    for (std::int64_t i = 0; i < k && equal; ++i) {
      unsigned char a = t[p + i], b = sub[i];
      equal = ignoreCase ? fold(a) == fold(b) : a == b;
    }
    if (equal) return p + 1;
    p += lead ? 2 : 1;
  }
  return -1;
}

TEST(TextFind, AgreesWithPlainWalkOnRandomTexts) {
  const char alphabet[] = {'a', 'A', 'b', '<', '\xB0', '\xA1', '\xC1', 'B'};
  std::mt19937 random(20240611);
  auto randomText = [&](int maxLength) {
    std::string s(random() % (maxLength + 1), 'a');
    for (char& ch : s) ch = alphabet[random() % sizeof alphabet];
    return s;
  };
  for (int round = 0; round < 20000; ++round) {
    std::string t = randomText(120);
    std::string sub = randomText(4);
    std::int64_t start = static_cast<std::int64_t>(random() % 130) - 3;
    bool ignoreCase = random() % 2 == 0;
    ASSERT_EQ(Text_Find(Text(t), Text(sub), start, ignoreCase),
              referenceFind(t, sub, start, ignoreCase))
        << "text " << Text(t) << " sub " << Text(sub) << " start " << start << " ignoreCase "
        << ignoreCase;
  }
}

}  // namespace
