// The birthday and hidden-score extraction over any page, and the server
// table lookup over any server text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "detail/birthday_page.h"
#include "detail/hidden_score_page.h"
#include "text/codec.h"

namespace {

void extract(const Text& page) {
  if (birthdayFromPage(page).size() > page.size()) std::abort();
  if (hiddenScoreFromPage(page).size() > page.size()) std::abort();
  // A server value is a line number of the table, 1 to 27, or empty.
  const Text server = hiddenScoreServerValue(page);
  if (server.size() > 2) std::abort();
  hiddenScoreUrl(Text("http://127.0.0.1:1"), server, page);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  extract(Text(bytes));
  extract(Codec_Utf8ToAnsi(ByteSet(bytes)));
  return 0;
}
