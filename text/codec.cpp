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

// The two steps of Codec_Utf8ToUtf16 and Codec_Utf16ToGbk in one pass with
// small pieces of scratch memory; the result is the same. Only U+0000 gives
// a zero byte in code page 936, and the Text ends at its first zero byte, so
// nothing after the first zero byte of the page is read.
Text Codec_Utf8ToAnsi(const ByteSet& b) {
  const std::string_view page = b.view().substr(0, b.view().find('\0'));
  std::string gbk;
  if (code_page::Utf8ToGbk(page, gbk) != code_page::Status::ok) gbk.clear();
  return Text(std::move(gbk));
}
