// Codec_Utf8ToAnsi on synthetic search pages of three sizes, beside ICU's
// direct UTF-8 to windows-936 conversion of the same page in the same run.
// Codec_Utf8ToAnsi scans each piece for combining marks and hands pieces
// without them to the direct conversion, so it should stay close to it.
#include <benchmark/benchmark.h>
#include <unicode/ucnv.h>

#include <map>
#include <string>

#include "bench/text/search_page.h"
#include "text/codec.h"

namespace {

const std::string& pageUtf8(int rows) {
  static std::map<int, std::string> pages;
  auto it = pages.find(rows);
  if (it == pages.end()) it = pages.emplace(rows, bench_pages::searchPageUtf8(rows)).first;
  return it->second;
}

void BM_DirectIcuConversion(benchmark::State& state) {
  const std::string& page = pageUtf8(static_cast<int>(state.range(0)));
  UErrorCode error = U_ZERO_ERROR;
  UConverter* utf8 = ucnv_open("UTF-8", &error);
  UConverter* gbk = ucnv_open("windows-936-2000", &error);
  ucnv_setFallback(gbk, true);
  ucnv_setSubstChars(gbk, "?", 1, &error);
  if (U_FAILURE(error)) {
    state.SkipWithError("ICU converters unavailable");
    return;
  }
  for (auto _ : state) {
    std::string out(page.size() * 2, '\0');
    char* target = out.data();
    const char* source = page.data();
    UErrorCode e = U_ZERO_ERROR;
    ucnv_convertEx(gbk, utf8, &target, out.data() + out.size(), &source, page.data() + page.size(),
                   nullptr, nullptr, nullptr, nullptr, true, true, &e);
    out.resize(static_cast<std::size_t>(target - out.data()));
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(page.size()));
  ucnv_close(gbk);
  ucnv_close(utf8);
}

void BM_Codec_Utf8ToAnsi(benchmark::State& state) {
  const ByteSet page(pageUtf8(static_cast<int>(state.range(0))));
  for (auto _ : state) {
    Text converted = Codec_Utf8ToAnsi(page);
    benchmark::DoNotOptimize(converted.c_str());
  }
  state.SetBytesProcessed(state.iterations() * page.size());
}

BENCHMARK(BM_DirectIcuConversion)->Arg(50)->Arg(1000)->Arg(10000);
BENCHMARK(BM_Codec_Utf8ToAnsi)->Arg(50)->Arg(1000)->Arg(10000);

}  // namespace

BENCHMARK_MAIN();
