// Searching and cutting a search page, each beside a baseline of the same run:
// Text_Find against memmem over the same bytes, and the whole cutting of a
// result table at three page sizes to show that it grows linearly.
#include <benchmark/benchmark.h>

#include <cstring>
#include <map>
#include <string>

#include "bench/text/search_page.h"
#include "text/codec.h"
#include "text/markers.h"
#include "text/text_ops.h"

namespace {

const Text& searchPage(int rows) {
  static std::map<int, Text> pages;
  auto it = pages.find(rows);
  if (it == pages.end())
    it = pages.emplace(rows, Codec_Utf8ToAnsi(ByteSet(bench_pages::searchPageUtf8(rows)))).first;
  return it->second;
}

// The needles, each of which makes the search cross the whole table body.
const char* const kNeedles[] = {
    "</tbody>",             // once, after the last row
    "</tr>\r\n\t</tbody>",  // the end of the last row
    "</tx>",                // absent; every "</td>" passes a first/last byte filter
};

void BM_Memmem(benchmark::State& state) {
  const Text& page = searchPage(static_cast<int>(state.range(0)));
  const char* needle = kNeedles[state.range(1)];
  const std::size_t needleLength = std::strlen(needle);
  for (auto _ : state) {
    const void* found = memmem(page.c_str(), page.bytes().size(), needle, needleLength);
    benchmark::DoNotOptimize(found);
  }
  state.SetBytesProcessed(state.iterations() * page.size());
}

void BM_TextFindIgnoreCase(benchmark::State& state) {
  const Text& page = searchPage(static_cast<int>(state.range(0)));
  const Text needle(kNeedles[state.range(1)]);
  for (auto _ : state) benchmark::DoNotOptimize(Text_Find(page, needle, 1, true));
  state.SetBytesProcessed(state.iterations() * page.size());
}

// The plain walk: compare, case folded, at every character start.
std::int64_t plainFind(const Text& t, const Text& sub) {
  auto fold = [](unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; };
  const std::int64_t length = t.size(), k = sub.size();
  for (std::int64_t p = 0; length - p >= k;) {
    std::int64_t i = 0;
    while (i < k && fold(t.at(p + i)) == fold(sub.at(i))) ++i;
    if (i == k) return p + 1;
    p += t.at(p) >= 0x80 ? 2 : 1;
  }
  return -1;
}

void BM_PlainWalkIgnoreCase(benchmark::State& state) {
  const Text& page = searchPage(static_cast<int>(state.range(0)));
  const Text needle(kNeedles[state.range(1)]);
  for (auto _ : state) benchmark::DoNotOptimize(plainFind(page, needle));
  state.SetBytesProcessed(state.iterations() * page.size());
}

// What the search command does with a page once it is in code page 936.
std::int64_t cutResultTable(const Text& page) {
  static const Text kBodyStart("<tbody>"), kBodyEnd("</tbody>"), kRowStart("<tr>"),
      kRowEnd("</tr>"), kIdStart("summoner/"), kIdEnd(".html"), kLinkStart(".html\">"),
      kLinkEnd("</a>"), kSourceStart("src=\""), kQuote("\""), kSpace("&nbsp;");
  std::int64_t cells = 0;
  TextArray rows;
  TextArray links;
  const Text body = Text_Between(page, kBodyStart, kBodyEnd);
  Text_BetweenAll(body, kRowStart, kRowEnd, rows);
  for (const Text& row : rows.items()) {
    Text id = Text_Between(row, kIdStart, kIdEnd);
    std::int64_t k = Text_BetweenAll(row, kLinkStart, kLinkEnd, links);
    if (k == 5 || k == 6) {
      Text avatar = Text_Between(TextArray_At(links, 1), kSourceStart, kQuote);
      Text tier = k == 6 ? Text_Replace(TextArray_At(links, 4), kSpace, Text(), true) : Text();
      cells += avatar.size() + tier.size() + id.size();
    }
  }
  return cells;
}

void BM_CutResultTable(benchmark::State& state) {
  const auto rowCount = static_cast<int>(state.range(0));
  const Text& page = searchPage(rowCount);
  for (auto _ : state) benchmark::DoNotOptimize(cutResultTable(page));
  state.counters["rows"] = rowCount;
  // Seconds per 1,000 rows, shown in the time unit of the run.
  state.counters["per1000rows"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * rowCount / 1000.0,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// A large text of short Chinese fields: ";" every 12 bytes, "&nbsp;" every 24.
const Text& largeText(std::int64_t megabytes) {
  static std::map<std::int64_t, Text> texts;
  auto it = texts.find(megabytes);
  if (it == texts.end()) {
    std::string utf8;
    while (utf8.size() < static_cast<std::size_t>(megabytes) * 1000000)
      utf8 += "黄金&nbsp;III;艾欧尼亚;";
    it = texts.emplace(megabytes, Codec_Utf8ToAnsi(ByteSet(utf8))).first;
  }
  return it->second;
}

// Baseline: finding every ";" with memchr.
void BM_MemchrEverySeparator(benchmark::State& state) {
  const Text& t = largeText(state.range(0));
  for (auto _ : state) {
    std::size_t count = 0;
    for (const char* p = t.c_str();
         (p = static_cast<const char*>(std::memchr(p, ';', t.c_str() + t.bytes().size() - p))) !=
         nullptr;
         ++p)
      ++count;
    benchmark::DoNotOptimize(count);
  }
  state.SetBytesProcessed(state.iterations() * t.size());
}

void BM_TextSplit(benchmark::State& state) {
  const Text& t = largeText(state.range(0));
  const Text separator(";");
  for (auto _ : state) benchmark::DoNotOptimize(Text_Split(t, separator));
  state.SetBytesProcessed(state.iterations() * t.size());
}

void BM_TextReplace(benchmark::State& state) {
  const Text& t = largeText(state.range(0));
  const Text entity("&nbsp;");
  for (auto _ : state) benchmark::DoNotOptimize(Text_Replace(t, entity, Text(), true));
  state.SetBytesProcessed(state.iterations() * t.size());
}

void searchArguments(benchmark::internal::Benchmark* b) {
  for (int rows : {50, 1000, 10000})
    for (int needle = 0; needle < static_cast<int>(std::size(kNeedles)); ++needle)
      b->Args({rows, needle});
}

BENCHMARK(BM_Memmem)->Apply(searchArguments);
BENCHMARK(BM_TextFindIgnoreCase)->Apply(searchArguments);
BENCHMARK(BM_PlainWalkIgnoreCase)->Apply(searchArguments);
BENCHMARK(BM_CutResultTable)->Arg(50)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MemchrEverySeparator)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextSplit)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextReplace)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
