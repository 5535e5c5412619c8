#include "text/codec.h"

#include <algorithm>
#include <string>
#include <utility>

#include "text/code_page.h"

namespace {

ByteSet BytesOf(std::u16string_view units) {
  return ByteSet(code_page::BytesFromUnits(units));
}

// The units of w before its first zero unit; an odd last byte is ignored.
std::u16string UnitsBeforeZero(const ByteSet& w) {
  std::u16string units = code_page::UnitsFromBytes(w.view());
  if (auto zero = units.find(u'\0'); zero != std::u16string::npos) units.resize(zero);
  return units;
}

}  // namespace

ByteSet Codec_AnsiToUtf16(const Text& t, int codePage) {
  // The ANSI code page sizes the result: its units and the terminating unit.
  code_page::DecodeResult ansi = code_page::Decode(kCodePageAnsi, t.view());
  if (ansi.status != code_page::Status::ok) return ByteSet();
  const std::size_t sized = ansi.units.size() + 1;

  code_page::DecodeResult decoded = codePage == kCodePageAnsi || codePage == kCodePageGbk
                                        ? std::move(ansi)
                                        : code_page::Decode(codePage, t.view());
  if (decoded.status != code_page::Status::ok) return ByteSet();
  // A code page that yields fewer units leaves zero units up to the ANSI
  // size; one that yields more keeps all of them rather than losing the text.
  decoded.units.resize(std::max(decoded.units.size() + 1, sized), u'\0');
  return BytesOf(decoded.units);
}

Text Codec_Utf16ToAnsi(const ByteSet& w, int codePage) {
  // The output is as large as the conversion needs, whatever the ANSI code
  // page would have counted.
  std::u16string units = UnitsBeforeZero(w);
  std::string encoded;
  if (code_page::EncodeInPlace(codePage, units, code_page::Compose::off, encoded) !=
      code_page::Status::ok) {
    return Text();
  }
  return Text(std::move(encoded));
}

Text Codec_AnsiToUtf8(const Text& t) {
  const ByteSet w = Codec_AnsiToUtf16(t, kCodePageGbk);
  return Codec_Utf16ToAnsi(w, kCodePageUtf8);
}

ByteSet Codec_Utf8ToUtf16(const ByteSet& b) {
  code_page::DecodeResult decoded = code_page::Decode(kCodePageUtf8, b.view());
  if (decoded.status != code_page::Status::ok) return ByteSet();
  return BytesOf(decoded.units);
}

Text Codec_Utf16ToGbk(const ByteSet& w) {
  std::u16string units = code_page::UnitsFromBytes(w.view());
  std::string encoded;
  if (code_page::EncodeInPlace(kCodePageGbk, units, code_page::Compose::baseWithMark, encoded) !=
      code_page::Status::ok) {
    return Text();
  }
  return Text(std::move(encoded));  // up to the first zero byte
}

// The two steps of Codec_Utf8ToUtf16 and Codec_Utf16ToGbk, with the UTF-16
// units in a buffer the thread keeps instead of a fresh ByteSet: pages are
// large, and making and filling new memory for every page costs more than
// the conversion. The result is the same.
Text Codec_Utf8ToAnsi(const ByteSet& b) {
  constexpr std::size_t kKeptUnits = std::size_t{1} << 23;  // 16 MB of units
  thread_local std::u16string units;
  std::string gbk;
  if (code_page::DecodeInto(kCodePageUtf8, b.view(), units) != code_page::Status::ok ||
      code_page::EncodeInPlace(kCodePageGbk, units, code_page::Compose::baseWithMark, gbk) !=
          code_page::Status::ok) {
    gbk.clear();
  }
  if (units.capacity() > kKeptUnits) std::u16string().swap(units);
  return Text(std::move(gbk));  // up to the first zero byte
}
