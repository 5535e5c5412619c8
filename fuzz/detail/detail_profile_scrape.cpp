// The summoner page scrape over any bytes: as raw code-page-936 text (lone
// lead bytes, stray markers) and as the UTF-8 page the site would send.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "detail/summoner_page.h"
#include "text/codec.h"

namespace {

void scrape(const Text& page) {
  const auto writes = summonerPageLabels(page);
  // Combat power, then at most 4 + 4 + 6 + 6 row labels.
  if (writes.empty() || writes.size() > 21) std::abort();
  for (const LabelWrite& w : writes) {
    if (w.text.size() > page.size()) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  scrape(Text(bytes));
  scrape(Codec_Utf8ToAnsi(ByteSet(bytes)));
  return 0;
}
