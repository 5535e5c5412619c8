// Codec_Utf8ToAnsi on any bytes: the result is a Text (no zero byte), never
// longer than the input, the same as its two steps through UTF-16
// (Codec_Utf8ToUtf16, then Codec_Utf16ToGbk) and as the conversion in small
// pieces, and, where no composition or special-cased character is involved,
// the same as ICU's direct UTF-8 to windows-936 conversion of the bytes
// before the first zero.
#include <unicode/uchar.h>
#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>
#include <unicode/ustring.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "text/code_page.h"
#include "text/codec.h"

namespace {

void WriteSubstitute(const void*, UConverterFromUnicodeArgs* args, const UChar*, int32_t, UChar32,
                     UConverterCallbackReason reason, UErrorCode* error) {
  if (reason > UCNV_IRREGULAR) return;
  *error = U_ZERO_ERROR;
  ucnv_cbFromUWriteSub(args, 0, error);
}

struct DirectConversion {
  DirectConversion() {
    UErrorCode error = U_ZERO_ERROR;
    utf8 = ucnv_open("UTF-8", &error);
    gbk = ucnv_open("windows-936-2000", &error);
    ucnv_setFallback(gbk, true);
    ucnv_setSubstChars(gbk, "?", 1, &error);
    ucnv_setFromUCallBack(gbk, WriteSubstitute, nullptr, nullptr, nullptr, &error);
    if (U_FAILURE(error)) std::abort();
  }
  std::string Convert(std::string_view in) {
    std::string out(in.size() * 2 + 16, '\0');
    char* target = out.data();
    const char* source = in.data();
    UErrorCode error = U_ZERO_ERROR;
    ucnv_convertEx(gbk, utf8, &target, out.data() + out.size(), &source, in.data() + in.size(),
                   nullptr, nullptr, nullptr, nullptr, true, true, &error);
    if (U_FAILURE(error)) std::abort();
    out.resize(static_cast<std::size_t>(target - out.data()));
    return out;
  }
  UConverter* utf8;
  UConverter* gbk;
};

// Marks may compose; U+FFE9..U+FFEE are mapped to '?' by our own rule.
bool NeedsOwnRules(std::string_view utf8) {
  std::u16string units(utf8.size(), u'\0');
  int32_t length = 0;
  UErrorCode error = U_ZERO_ERROR;
  u_strFromUTF8WithSub(units.data(), static_cast<int32_t>(units.size()), &length, utf8.data(),
                       static_cast<int32_t>(utf8.size()), 0xFFFD, nullptr, &error);
  for (int32_t i = 0; i < length; ++i) {
    const char16_t u = units[static_cast<std::size_t>(i)];
    if ((U_GET_GC_MASK(u) & U_GC_M_MASK) || (u >= 0xFFE9 && u <= 0xFFEE)) return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const Text result = Codec_Utf8ToAnsi(ByteSet(input));
  if (result.view().find('\0') != std::string_view::npos) std::abort();
  if (result.view().size() > size) std::abort();
  if (result != Codec_Utf16ToGbk(Codec_Utf8ToUtf16(ByteSet(input)))) std::abort();

  const std::string_view beforeZero = input.substr(0, input.find('\0'));
  std::string inPieces;
  const std::size_t pieceBytes = size == 0 ? 4 : 4 + data[0] % 13;
  if (code_page::detail::Utf8ToGbk(beforeZero, inPieces, pieceBytes) != code_page::Status::ok ||
      inPieces != result.view()) {
    std::abort();
  }
  if (beforeZero.empty()) {
    if (!result.empty()) std::abort();
  } else if (!NeedsOwnRules(beforeZero)) {
    static DirectConversion direct;
    if (direct.Convert(beforeZero) != result.view()) std::abort();
  }
  return 0;
}
