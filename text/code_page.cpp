#include "text/code_page.h"

#include <unicode/uchar.h>
#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>
#include <unicode/unorm2.h>
#include <unicode/ustring.h>
#include <unicode/utf16.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <cstring>
#include <memory>

namespace code_page {

std::string_view to_string(Status status) {
  switch (status) {
    case Status::ok:
      return "ok";
    case Status::unsupportedCodePage:
      return "unsupported code page";
    case Status::converterUnavailable:
      return "converter unavailable";
    case Status::conversionFailed:
      return "conversion failed";
  }
  return "unknown";
}

namespace {

constexpr int kAnsi = 0;
constexpr int kGbk = 936;
constexpr int kUtf8 = 65001;

// ICU's string functions take int32_t lengths; longer inputs go in pieces.
constexpr std::size_t kMaxChunk = std::size_t{1} << 28;

// Writes the substitute '?' for every character the code page lacks. ICU's
// own substitute callback writes nothing for default-ignorable characters
// such as U+200B, where the Windows tables give '?'.
void SubstituteEveryUnmappable(const void*, UConverterFromUnicodeArgs* args, const UChar*, int32_t,
                               UChar32, UConverterCallbackReason reason, UErrorCode* error) {
  if (reason > UCNV_IRREGULAR) return;
  *error = U_ZERO_ERROR;
  ucnv_cbFromUWriteSub(args, 0, error);
}

// Bytes that code page 936 does not define decode to '?', its default
// Unicode character.
void DecodeUndefinedAsQuestionMark(const void*, UConverterToUnicodeArgs* args, const char*, int32_t,
                                   UConverterCallbackReason reason, UErrorCode* error) {
  if (reason > UCNV_IRREGULAR) return;
  *error = U_ZERO_ERROR;
  const UChar questionMark = u'?';
  ucnv_cbToUWriteUChars(args, &questionMark, 1, 0, error);
}

struct ConverterCloser {
  void operator()(UConverter* c) const { ucnv_close(c); }
};
using ConverterPtr = std::unique_ptr<UConverter, ConverterCloser>;

ConverterPtr OpenGbkConverter() {
  UErrorCode error = U_ZERO_ERROR;
  ConverterPtr converter(ucnv_open("windows-936-2000", &error));
  if (U_FAILURE(error)) return nullptr;
  ucnv_setFallback(converter.get(), true);
  ucnv_setSubstChars(converter.get(), "?", 1, &error);
  ucnv_setFromUCallBack(converter.get(), SubstituteEveryUnmappable, nullptr, nullptr, nullptr,
                        &error);
  ucnv_setToUCallBack(converter.get(), DecodeUndefinedAsQuestionMark, nullptr, nullptr, nullptr,
                      &error);
  if (U_FAILURE(error)) return nullptr;
  return converter;
}

// ICU converters keep state and must not be shared between threads.
UConverter* GbkConverter() {
  thread_local ConverterPtr converter = OpenGbkConverter();
  return converter.get();
}

// --- UTF-8 --------------------------------------------------------------

bool IsUtf8Continuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// A split before position p (0 < p < size) is safe when bytes[p] cannot
// continue a sequence begun earlier: it is no continuation byte, or the three
// bytes before it are continuation bytes (a sequence has at most four bytes).
// want must be at least 4, so that the split is never at 0.
std::size_t SafeUtf8Split(std::string_view bytes, std::size_t want) {
  for (std::size_t p = want; p + 4 > want; --p) {
    if (!IsUtf8Continuation(static_cast<unsigned char>(bytes[p]))) return p;
  }
  return want;
}

// Lone surrogates encode as U+FFFD, like the Windows UTF-8 encoder.
Status EncodeUtf8(std::u16string_view units, std::string& out) {
  out.resize(units.size() * 3);
  std::size_t written = 0;
  while (!units.empty()) {
    std::size_t take = std::min(units.size(), kMaxChunk);
    if (take < units.size() && U16_IS_LEAD(units[take - 1])) --take;
    UErrorCode error = U_ZERO_ERROR;
    int32_t length = 0;
    const std::size_t room = std::min<std::size_t>(out.size() - written, INT32_MAX);
    u_strToUTF8WithSub(out.data() + written, static_cast<int32_t>(room), &length, units.data(),
                       static_cast<int32_t>(take), 0xFFFD, nullptr, &error);
    if (U_FAILURE(error)) return Status::conversionFailed;
    written += static_cast<std::size_t>(length);
    units.remove_prefix(take);
  }
  out.resize(written);
  return Status::ok;
}

// --- Code page 936 ------------------------------------------------------

Status DecodeGbk(std::string_view bytes, std::u16string& out) {
  UConverter* converter = GbkConverter();
  if (converter == nullptr) return Status::converterUnavailable;
  ucnv_resetToUnicode(converter);
  out.resize(bytes.size());  // at most one unit per byte
  UChar* target = out.data();
  const char* source = bytes.data();
  UErrorCode error = U_ZERO_ERROR;
  ucnv_toUnicode(converter, &target, out.data() + out.size(), &source, bytes.data() + bytes.size(),
                 nullptr, true, &error);
  if (U_FAILURE(error)) return Status::conversionFailed;
  out.resize(static_cast<std::size_t>(target - out.data()));
  return Status::ok;
}

// Characters that need attention before ICU encodes into 936: combining marks
// (for composition) and the five half-width forms ICU maps to control bytes
// where the Windows table has no mapping.
class EncodeRewrite {
 public:
  static const EncodeRewrite& Instance() {
    static const EncodeRewrite instance;
    return instance;
  }

  bool ForcedQuestionMark(char16_t u) const { return u >= 0xFFE9 && u <= 0xFFEE && u != 0xFFED; }
  bool IsMark(char16_t u) const { return (marks_[u >> 6] >> (u & 63)) & 1; }
  bool NeedsAttention(char16_t u, Compose compose) const {
    if (u < 0x300) return false;  // nothing below U+0300 is a mark or forced
    return ForcedQuestionMark(u) || (compose == Compose::baseWithMark && IsMark(u));
  }
  const UNormalizer2* Nfc() const { return nfc_; }

 private:
  EncodeRewrite() {
    for (UChar32 c = 0; c <= 0xFFFF; ++c) {
      if (U_GET_GC_MASK(c) & U_GC_M_MASK) marks_[c >> 6] |= std::uint64_t{1} << (c & 63);
    }
    UErrorCode error = U_ZERO_ERROR;
    nfc_ = unorm2_getNFCInstance(&error);
    if (U_FAILURE(error)) nfc_ = nullptr;
  }

  std::array<std::uint64_t, 1024> marks_{};
  const UNormalizer2* nfc_ = nullptr;
};

// Applies the rewrite from index `from` on, in place: forced characters
// become '?', and with composition a mark that composes with the character
// before it replaces both by the precomposed character.
Status Rewrite(std::u16string& units, std::size_t from, Compose compose) {
  const EncodeRewrite& rewrite = EncodeRewrite::Instance();
  if (compose == Compose::baseWithMark && rewrite.Nfc() == nullptr) {
    return Status::converterUnavailable;
  }
  std::size_t kept = from;
  for (std::size_t i = from; i < units.size(); ++i) {
    const char16_t u = units[i];
    if (rewrite.ForcedQuestionMark(u)) {
      units[kept++] = u'?';
      continue;
    }
    if (compose == Compose::baseWithMark && kept > 0 && u >= 0x300 && rewrite.IsMark(u)) {
      const UChar32 composed = unorm2_composePair(rewrite.Nfc(), units[kept - 1], u);
      if (composed >= 0 && composed <= 0xFFFF && !U_IS_SURROGATE(composed)) {
        units[kept - 1] = static_cast<char16_t>(composed);
        continue;
      }
    }
    units[kept++] = u;
  }
  units.resize(kept);
  return Status::ok;
}

Status EncodeGbkUnits(std::u16string_view units, std::string& out) {
  UConverter* converter = GbkConverter();
  if (converter == nullptr) return Status::converterUnavailable;
  ucnv_resetFromUnicode(converter);
  // A BMP character takes at most two bytes; a surrogate pair or a lone
  // surrogate becomes one '?'.
  out.resize(units.size() * 2);
  char* target = out.data();
  const UChar* source = units.data();
  UErrorCode error = U_ZERO_ERROR;
  ucnv_fromUnicode(converter, &target, out.data() + out.size(), &source,
                   units.data() + units.size(), nullptr, true, &error);
  if (U_FAILURE(error)) return Status::conversionFailed;
  out.resize(static_cast<std::size_t>(target - out.data()));
  return Status::ok;
}

// Rewrites units in place where needed, then encodes them.
Status EncodeGbk(std::u16string& units, Compose compose, std::string& out) {
  const EncodeRewrite& rewrite = EncodeRewrite::Instance();
  std::size_t first = 0;
  while (first < units.size() && !rewrite.NeedsAttention(units[first], compose)) ++first;
  if (first < units.size()) {
    if (Status s = Rewrite(units, first, compose); s != Status::ok) return s;
  }
  return EncodeGbkUnits(units, out);
}

// --- UTF-8 straight to code page 936 ------------------------------------

// Pieces of 16 KB keep the scratch units at 32 KB.
constexpr std::size_t kPieceBytes = std::size_t{1} << 14;

ConverterPtr OpenUtf8Converter() {
  UErrorCode error = U_ZERO_ERROR;
  ConverterPtr converter(ucnv_open("UTF-8", &error));
  if (U_FAILURE(error)) return nullptr;
  return converter;
}

UConverter* Utf8Converter() {
  thread_local ConverterPtr converter = OpenUtf8Converter();
  return converter.get();
}

// The BMP code point of the two- or three-byte sequence that starts at
// bytes[i], read as if it were well formed; 0 for anything else. Misreading a
// malformed sequence (which decodes to U+FFFD) only ever sends a piece down
// the slower exact path.
char32_t BmpCodePointAt(std::string_view bytes, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
  const unsigned char lead = byte(i);
  if (lead >= 0xC0 && lead < 0xE0 && i + 1 < bytes.size()) {
    return char32_t{lead & 0x1Fu} << 6 | (byte(i + 1) & 0x3Fu);
  }
  if (lead >= 0xE0 && lead < 0xF0 && i + 2 < bytes.size()) {
    return char32_t{lead & 0x0Fu} << 12 | char32_t{byte(i + 1) & 0x3Fu} << 6 |
           (byte(i + 2) & 0x3Fu);
  }
  return 0;
}

bool StartsWithMark(std::string_view bytes, std::size_t i) {
  const char32_t c = BmpCodePointAt(bytes, i);
  return c >= 0x300 && EncodeRewrite::Instance().IsMark(static_cast<char16_t>(c));
}

enum class PieceKind {
  ascii,    // copied as it is
  direct,   // no mark and no forced character: ICU converts the bytes directly
  rewrite,  // decoded, rewritten and encoded
};

PieceKind KindOf(std::string_view piece) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080;
  const EncodeRewrite& rewrite = EncodeRewrite::Instance();
  bool ascii = true;
  std::size_t i = 0;
  while (i < piece.size()) {
    std::uint64_t eight;
    if (i + 8 <= piece.size() && (std::memcpy(&eight, piece.data() + i, 8), !(eight & kHighBits))) {
      i += 8;
      continue;
    }
    if (static_cast<unsigned char>(piece[i]) >= 0x80) {
      ascii = false;
      const char32_t c = BmpCodePointAt(piece, i);
      if (rewrite.NeedsAttention(static_cast<char16_t>(c), Compose::baseWithMark)) {
        return PieceKind::rewrite;
      }
    }
    ++i;
  }
  return ascii ? PieceKind::ascii : PieceKind::direct;
}

// Output written at out[written...], growing out where the room runs short.
// The room asked for is the length of the UTF-8 input, which the 936 output
// never exceeds: one or two bytes for a BMP character of two or three UTF-8
// bytes, one '?' for four bytes or for each ill-formed subpart, and one
// character for a base and its mark.
class Output {
 public:
  Output(std::string& out, std::size_t room) : out_(out), written_(out.size()) {
    out_.resize(written_ + room);
  }
  ~Output() { out_.resize(written_); }

  void Append(std::string_view ascii) {
    Ensure(ascii.size());
    std::memcpy(out_.data() + written_, ascii.data(), ascii.size());
    written_ += ascii.size();
  }

  Status Convert(std::string_view utf8) {
    for (;;) {
      Ensure(utf8.size());
      char* target = out_.data() + written_;
      const char* source = utf8.data();
      UErrorCode error = U_ZERO_ERROR;
      ucnv_convertEx(GbkConverter(), Utf8Converter(), &target, out_.data() + out_.size(), &source,
                     utf8.data() + utf8.size(), nullptr, nullptr, nullptr, nullptr, true, true,
                     &error);
      if (error == U_BUFFER_OVERFLOW_ERROR) {
        Grow(utf8.size());
        continue;
      }
      if (U_FAILURE(error)) return Status::conversionFailed;
      written_ = static_cast<std::size_t>(target - out_.data());
      return Status::ok;
    }
  }

  Status Encode(std::u16string_view units) {
    for (;;) {
      Ensure(units.size());
      UConverter* converter = GbkConverter();
      ucnv_resetFromUnicode(converter);
      char* target = out_.data() + written_;
      const UChar* source = units.data();
      UErrorCode error = U_ZERO_ERROR;
      ucnv_fromUnicode(converter, &target, out_.data() + out_.size(), &source,
                       units.data() + units.size(), nullptr, true, &error);
      if (error == U_BUFFER_OVERFLOW_ERROR) {
        Grow(units.size());
        continue;
      }
      if (U_FAILURE(error)) return Status::conversionFailed;
      written_ = static_cast<std::size_t>(target - out_.data());
      return Status::ok;
    }
  }

 private:
  void Ensure(std::size_t n) {
    if (out_.size() - written_ < n) out_.resize(written_ + n);
  }
  void Grow(std::size_t n) { out_.resize(out_.size() + 2 * n + 16); }

  std::string& out_;
  std::size_t written_;
};

// A piece that needs rewriting, after the code point held back from the
// piece before (units holds it, or nothing). When a mark follows the piece,
// its last code point is held back in units as the base for that mark;
// Rewrite, starting after the held-back units, then sees them exactly as it
// would in the whole text.
Status ConvertWithRewrite(std::string_view piece, bool markFollows, std::u16string& units,
                          Output& output) {
  const std::size_t held = units.size();
  units.resize(held + piece.size());  // at most one unit per byte
  UErrorCode error = U_ZERO_ERROR;
  int32_t length = 0;
  u_strFromUTF8WithSub(units.data() + held, static_cast<int32_t>(piece.size()), &length,
                       piece.data(), static_cast<int32_t>(piece.size()), 0xFFFD, nullptr, &error);
  if (U_FAILURE(error)) return Status::conversionFailed;
  units.resize(held + static_cast<std::size_t>(length));
  if (Status s = Rewrite(units, held, Compose::baseWithMark); s != Status::ok) return s;

  std::size_t hold = 0;
  if (markFollows && !units.empty()) {
    const std::size_t n = units.size();
    hold = n >= 2 && U16_IS_TRAIL(units[n - 1]) && U16_IS_LEAD(units[n - 2]) ? 2 : 1;
  }
  const std::size_t encoded = units.size() - hold;
  if (Status s = output.Encode(std::u16string_view(units).substr(0, encoded)); s != Status::ok) {
    return s;
  }
  units.erase(0, encoded);
  return Status::ok;
}

Status Utf8ToGbkInPieces(std::string_view utf8, std::string& out, std::size_t pieceBytes) {
  pieceBytes = std::clamp<std::size_t>(pieceBytes, 4, kMaxChunk);
  if (GbkConverter() == nullptr || Utf8Converter() == nullptr ||
      EncodeRewrite::Instance().Nfc() == nullptr) {
    return Status::converterUnavailable;
  }
  Output output(out, utf8.size());
  std::u16string units;  // scratch of ConvertWithRewrite
  while (!utf8.empty()) {
    const std::size_t take =
        utf8.size() <= pieceBytes ? utf8.size() : SafeUtf8Split(utf8, pieceBytes);
    const std::string_view piece = utf8.substr(0, take);
    const bool markFollows = take < utf8.size() && StartsWithMark(utf8, take);
    const PieceKind kind = units.empty() && !markFollows ? KindOf(piece) : PieceKind::rewrite;
    Status status = Status::ok;
    if (kind == PieceKind::ascii) output.Append(piece);
    if (kind == PieceKind::direct) status = output.Convert(piece);
    if (kind == PieceKind::rewrite) status = ConvertWithRewrite(piece, markFollows, units, output);
    if (status != Status::ok) return status;
    utf8.remove_prefix(take);
  }
  return Status::ok;
}

bool IsGbk(int codePage) {
  return codePage == kGbk || codePage == kAnsi;
}

}  // namespace

namespace detail {

Status DecodeUtf8(std::string_view bytes, std::u16string& out, std::size_t chunkBytes) {
  chunkBytes = std::max<std::size_t>(chunkBytes, 4);
  out.resize(bytes.size());  // at most one unit per byte
  std::size_t written = 0;
  while (!bytes.empty()) {
    const std::size_t take =
        bytes.size() <= chunkBytes ? bytes.size() : SafeUtf8Split(bytes, chunkBytes);
    UErrorCode error = U_ZERO_ERROR;
    int32_t length = 0;
    u_strFromUTF8WithSub(out.data() + written, static_cast<int32_t>(take), &length, bytes.data(),
                         static_cast<int32_t>(take), 0xFFFD, nullptr, &error);
    if (U_FAILURE(error)) return Status::conversionFailed;
    written += static_cast<std::size_t>(length);
    bytes.remove_prefix(take);
  }
  out.resize(written);
  return Status::ok;
}

Status Utf8ToGbk(std::string_view utf8, std::string& out, std::size_t pieceBytes) {
  const std::size_t before = out.size();
  const Status status = Utf8ToGbkInPieces(utf8, out, pieceBytes);
  if (status != Status::ok) out.resize(before);
  return status;
}

}  // namespace detail

Status Utf8ToGbk(std::string_view utf8, std::string& out) {
  return detail::Utf8ToGbk(utf8, out, kPieceBytes);
}

Status DecodeInto(int codePage, std::string_view bytes, std::u16string& out) {
  Status status = Status::unsupportedCodePage;
  if (codePage == kUtf8) status = detail::DecodeUtf8(bytes, out, kMaxChunk);
  if (IsGbk(codePage)) status = DecodeGbk(bytes, out);
  if (status != Status::ok) out.clear();
  return status;
}

Status EncodeInPlace(int codePage, std::u16string& units, Compose compose, std::string& out) {
  Status status = Status::unsupportedCodePage;
  if (codePage == kUtf8) status = EncodeUtf8(units, out);
  if (IsGbk(codePage)) status = EncodeGbk(units, compose, out);
  if (status != Status::ok) out.clear();
  return status;
}

DecodeResult Decode(int codePage, std::string_view bytes) {
  DecodeResult result;
  result.status = DecodeInto(codePage, bytes, result.units);
  return result;
}

EncodeResult Encode(int codePage, std::u16string_view units, Compose compose) {
  EncodeResult result;
  std::u16string copy(units);
  result.status = EncodeInPlace(codePage, copy, compose, result.bytes);
  return result;
}

std::u16string UnitsFromBytes(std::string_view bytes) {
  std::u16string units(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < units.size(); ++i) {
    units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                     static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
  }
  return units;
}

std::string BytesFromUnits(std::u16string_view units) {
  std::string bytes(units.size() * 2, '\0');
  for (std::size_t i = 0; i < units.size(); ++i) {
    bytes[2 * i] = static_cast<char>(units[i] & 0xFF);
    bytes[2 * i + 1] = static_cast<char>(units[i] >> 8);
  }
  return bytes;
}

}  // namespace code_page
