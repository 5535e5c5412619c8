// The code-page layer: decoding bytes of a code page into UTF-16 units and
// encoding units back, for the three code pages the tool uses: 936 (GBK, the
// tool's text), 65001 (UTF-8) and 0 (the system ANSI code page, which is 936
// here). Built on ICU's converters, set up to give the same bytes as the
// Windows tables for code page 936:
//   - decoding never fails: malformed UTF-8 gives one U+FFFD per maximal
//     ill-formed subpart; bytes that code page 936 does not define give '?'.
//   - encoding into 936 uses the best-fit substitutes of the table and '?' for
//     every other character it lacks (one '?' per code point; a lone surrogate
//     is one '?'); encoding into UTF-8 writes U+FFFD for a lone surrogate.
//   - Compose::BaseWithMark first replaces a character and the combining mark
//     that follows it by their precomposed character where one exists (and the
//     result with the next mark, and so on); nothing else is normalised.
// Converters are opened once per thread and reused.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace code_page {

enum class Status {
  ok,
  unsupportedCodePage,   // not 0, 936 or 65001
  converterUnavailable,  // ICU could not open its converter or normaliser
  conversionFailed,      // ICU reported an error it should not give
};
std::string_view to_string(Status status);

enum class Compose { off, baseWithMark };

struct [[nodiscard]] DecodeResult {
  Status status = Status::ok;
  std::u16string units;
};

struct [[nodiscard]] EncodeResult {
  Status status = Status::ok;
  std::string bytes;
};

// The UTF-16 units of bytes read in codePage. Zero bytes decode to zero units.
DecodeResult Decode(int codePage, std::string_view bytes);

// units encoded in codePage. Zero units encode to zero bytes.
EncodeResult Encode(int codePage, std::u16string_view units, Compose compose = Compose::off);

// The same two conversions on buffers of the caller, whose storage is reused:
// out is replaced; units may be rewritten in place (composition).
[[nodiscard]] Status DecodeInto(int codePage, std::string_view bytes, std::u16string& out);
[[nodiscard]] Status EncodeInPlace(int codePage, std::u16string& units, Compose compose,
                                   std::string& out);

// UTF-8 bytes to code page 936 with composition, appended to out: the same
// bytes as DecodeInto(65001) followed by EncodeInPlace(936, baseWithMark),
// but in pieces of bounded size, so that the scratch memory stays small
// whatever the length of the input.
[[nodiscard]] Status Utf8ToGbk(std::string_view utf8, std::string& out);

// Little-endian UTF-16 bytes (two per unit, an odd last byte ignored) and back.
std::u16string UnitsFromBytes(std::string_view bytes);
std::string BytesFromUnits(std::u16string_view units);

namespace detail {
// UTF-8 decoding in pieces of at most chunkBytes (split only where decoding
// the pieces one by one gives the same units as decoding the whole); exposed
// so that tests can use small pieces.
Status DecodeUtf8(std::string_view bytes, std::u16string& out, std::size_t chunkBytes);
// Utf8ToGbk in pieces of about pieceBytes (at least 4).
Status Utf8ToGbk(std::string_view utf8, std::string& out, std::size_t pieceBytes);
}  // namespace detail

}  // namespace code_page
