// The UTF-16 steps on any bytes (odd lengths, lone surrogates, zero units):
// Codec_Utf16ToGbk gives a Text of at most two bytes per unit, and
// Codec_Utf16ToAnsi into UTF-8 gives well-formed UTF-8.
#include <unicode/ustring.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "text/codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ByteSet units(std::string_view(reinterpret_cast<const char*>(data), size));
  const Text gbk = Codec_Utf16ToGbk(units);
  if (gbk.view().find('\0') != std::string_view::npos) std::abort();
  if (gbk.view().size() > size) std::abort();  // two bytes per unit at most

  const Text utf8 = Codec_Utf16ToAnsi(units, kCodePageUtf8);
  std::u16string check(utf8.view().size(), u'\0');
  int32_t length = 0;
  UErrorCode error = U_ZERO_ERROR;
  u_strFromUTF8(check.data(), static_cast<int32_t>(check.size()), &length, utf8.view().data(),
                static_cast<int32_t>(utf8.view().size()), &error);
  if (U_FAILURE(error)) std::abort();
  return 0;
}
