// Codec_AnsiToUtf8 on any code-page-936 Text: the result is well-formed
// UTF-8 without zero bytes, at most three bytes per input byte.
#include <unicode/ustring.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "text/codec.h"

namespace {

bool IsWellFormedUtf8(std::string_view bytes) {
  std::u16string units(bytes.size(), u'\0');
  int32_t length = 0;
  UErrorCode error = U_ZERO_ERROR;
  u_strFromUTF8(units.data(), static_cast<int32_t>(units.size()), &length, bytes.data(),
                static_cast<int32_t>(bytes.size()), &error);
  return U_SUCCESS(error);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Text input(std::string_view(reinterpret_cast<const char*>(data), size));
  const Text utf8 = Codec_AnsiToUtf8(input);
  if (utf8.view().find('\0') != std::string_view::npos) std::abort();
  if (utf8.view().size() > 3 * input.view().size()) std::abort();
  if (!IsWellFormedUtf8(utf8.view())) std::abort();
  if (input.empty() != utf8.empty()) std::abort();
  return 0;
}
