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
