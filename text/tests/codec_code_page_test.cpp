#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "text/code_page.h"
#include "text/codec.h"

namespace {

using code_page::Status;

// Long inputs are decoded in pieces; the pieces must never split a sequence
// or a maximal ill-formed subpart, whatever the piece size.
TEST(CodePageUtf8, DecodingInPiecesGivesTheSameUnits) {
  struct Case {
    const char* name;
    std::string_view utf8;
  } cases[] = {
      {"CJK and ascii",
       "a\xE4\xB8\xAD"
       "b\xE6\x96\x87"
       "cd\xF0\x9F\x98\x80"
       "e"},
      {"four-byte sequence across a piece end",
       "a\xF0\x9F\x98\x80"
       "b\xF0\x9F\x98\x80"},
      {"truncated sequences",
       "\xE4\xB8"
       "a\xF0\x9F\x98"
       "b\xC3"},
      {"runs of continuation bytes",
       "\x80\x80\x80\x80\x80\xBF\x80"
       "a\x80"},
      {"ill-formed subparts", "\xF0\x80\x80\xED\xA0\x80\xC0\xAF\xF4\x90\x80\x80"},
  };
  for (const auto& c : cases) {
    const code_page::DecodeResult whole = code_page::Decode(kCodePageUtf8, c.utf8);
    ASSERT_EQ(whole.status, Status::ok) << c.name;
    for (std::size_t chunk = 1; chunk <= 9; ++chunk) {
      std::u16string pieces;
      ASSERT_EQ(code_page::detail::DecodeUtf8(c.utf8, pieces, chunk), Status::ok) << c.name;
      EXPECT_EQ(pieces, whole.units) << c.name << ", pieces of " << chunk;
    }
  }
}

// The one-pass UTF-8 to 936 conversion gives the bytes of the two steps
// through UTF-16 whatever the piece size: a mark just after a piece end must
// still compose with the base before it, also an ASCII base and a chain of
// marks, and ill-formed subparts must not be split.
TEST(CodePageUtf8ToGbk, PiecesGiveTheBytesOfTheTwoSteps) {
  struct Case {
    const char* name;
    std::string_view utf8;
  } cases[] = {
      {"all ascii", "<tr><td>abcdefghijklmnop</td></tr>\r\n\t"},
      {"only Chinese", "\xE4\xB8\xAD\xE6\x96\x87\xE6\x90\x9C\xE7\xB4\xA2\xE7\xBB\x93\xE6\x9E\x9C"},
      {"ascii base, mark at a run start", "ab e\xCC\x81 cd o\xCC\x88 x"},
      {"chain of marks", "u\xCC\x88\xCC\x84\xCC\x81\xCC\x81 a\xCC\x80\xCC\x80"},
      {"CJK base with a mark", "\xE4\xB8\xAD\xCC\x81\xE4\xB8\xAD"},
      {"mark after a four-byte character", "\xF0\x9F\x98\x80\xCC\x81\xF0\x9F\x98\x80\xCC\x81"},
      {"mark after an ill-formed byte", "\xE4\xB8\xCC\x81\x80\xCC\x81"},
      {"marks only", "\xCC\x81\xCC\x81\xCC\x81\xCC\x81\xCC\x81"},
      {"malformed bytes next to ascii",
       "a\x80"
       "b\xE4\xB8"
       "c\xF0\x80\x80"
       "d\xC0\xAF"
       "e\xED\xA0\x80"},
      {"truncated at the end", "ab\xE4\xB8\xAD\xF0\x9F\x98"},
      {"forced and unmappable characters",
       "a\xEF\xBF\xA9\xE2\x80\x8B"
       "b\xEF\xBF\xAE\xE2\x82\xAC"},
      {"mixed page", "<td>\xE5\xBC\xA0\xE4\xB8\x89</td><td>\xE9\xBB\x84\xE9\x87\x91&nbsp;III</td>"},
  };
  for (const auto& c : cases) {
    const code_page::DecodeResult units = code_page::Decode(kCodePageUtf8, c.utf8);
    const code_page::EncodeResult twoSteps =
        code_page::Encode(kCodePageGbk, units.units, code_page::Compose::baseWithMark);
    ASSERT_EQ(twoSteps.status, Status::ok) << c.name;
    for (std::size_t piece : {1, 4, 5, 6, 7, 8, 9, 11, 16, 1 << 14}) {
      std::string gbk = "kept";
      ASSERT_EQ(code_page::detail::Utf8ToGbk(c.utf8, gbk, piece), Status::ok) << c.name;
      EXPECT_EQ(gbk, "kept" + twoSteps.bytes) << c.name << ", pieces of " << piece;
      EXPECT_LE(gbk.size() - 4, c.utf8.size()) << c.name;
    }
  }
}

TEST(CodePage, UnsupportedCodePage) {
  EXPECT_EQ(code_page::Decode(1252, "abc").status, Status::unsupportedCodePage);
  EXPECT_EQ(code_page::Encode(1252, u"abc").status, Status::unsupportedCodePage);
  EXPECT_EQ(code_page::to_string(Status::unsupportedCodePage), "unsupported code page");
}

TEST(CodePage, LittleEndianUnits) {
  EXPECT_EQ(code_page::UnitsFromBytes(std::string_view("\x2D\x4E\x61", 3)), u"\u4E2D");
  EXPECT_EQ(code_page::BytesFromUnits(u"\u4E2Da"), std::string_view("\x2D\x4E\x61\x00", 4));
}

// A page of tens of megabytes: every piece of the pattern converts as it
// does alone, so the result is the pattern's result repeated.
TEST(CodecLargeInput, TensOfMegabytes) {
  const std::string pattern = "<td>\xE4\xB8\xAD\xE6\x96\x87</td>e\xCC\x81\xC3";
  const std::string expected = "<td>\xD6\xD0\xCE\xC4</td>\xA8\xA6?";
  const std::size_t repeats = (24u << 20) / pattern.size();
  std::string page;
  page.reserve(pattern.size() * repeats);
  for (std::size_t i = 0; i < repeats; ++i) page += pattern;

  const Text gbk = Codec_Utf8ToAnsi(ByteSet(page));
  ASSERT_EQ(gbk.bytes().size(), expected.size() * repeats);
  EXPECT_EQ(gbk.view().substr(0, expected.size()), expected);
  EXPECT_EQ(gbk.view().substr(gbk.bytes().size() - expected.size()), expected);

  const std::string_view backPattern = "<td>\xE4\xB8\xAD\xE6\x96\x87</td>\xC3\xA9?";
  const Text back = Codec_AnsiToUtf8(gbk);
  ASSERT_EQ(back.bytes().size(), backPattern.size() * repeats);
  EXPECT_EQ(back.view().substr(back.bytes().size() - backPattern.size()), backPattern);
}

// Converters keep state; each thread must get its own.
TEST(CodecThreads, ConcurrentConversionsAgree) {
  std::string page;
  for (int i = 0; i < 2000; ++i)
    page +=
        "\xE4\xB8\xAD"
        "a\xC3\xA9"
        "e\xCC\x81\xE2\x80\x8B";
  const Text expected = Codec_Utf8ToAnsi(ByteSet(page));
  const Text expectedBack = Codec_AnsiToUtf8(expected);
  std::vector<int> mismatches(4, 0);
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&, t] {
      for (int round = 0; round < 50; ++round) {
        if (Codec_Utf8ToAnsi(ByteSet(page)) != expected) ++mismatches[t];
        if (Codec_AnsiToUtf8(expected) != expectedBack) ++mismatches[t];
      }
    });
  }
  for (auto& thread : threads) thread.join();
  for (int t = 0; t < 4; ++t) EXPECT_EQ(mismatches[t], 0) << "thread " << t;
}

}  // namespace
