// Candidates are filtered on the needle's first and last byte (both cases of
// a letter when case is ignored), sixteen positions at a time with SSE2;
// a candidate is then checked to start a character and compared in full.
#include "text/substring_search.h"

#include <cstring>

#include "text/char_walk.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace substring_search {
namespace {

using char_walk::byteAt;
using char_walk::foldCase;

struct Needle {
  std::string_view bytes;
  CaseMode mode;

  std::uint8_t first() const { return byteAt(bytes, 0); }
  std::uint8_t last() const { return byteAt(bytes, static_cast<std::int64_t>(bytes.size()) - 1); }

  bool matchesAt(const std::uint8_t* at) const {
    if (mode == CaseMode::Exact) return std::memcmp(at, bytes.data(), bytes.size()) == 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      if (foldCase(at[i]) != foldCase(static_cast<std::uint8_t>(bytes[i]))) return false;
    }
    return true;
  }

  bool sameByte(std::uint8_t a, std::uint8_t b) const {
    return mode == CaseMode::Exact ? a == b : foldCase(a) == foldCase(b);
  }
};

#if defined(__SSE2__)
// Matches one needle byte in sixteen text bytes: both cases of an ASCII
// letter when case is ignored.
class ByteFilter {
 public:
  ByteFilter(std::uint8_t c, CaseMode mode) {
    std::uint8_t lower = foldCase(c);
    std::uint8_t upper = (lower >= 'a' && lower <= 'z' && mode == CaseMode::IgnoreAsciiCase)
                             ? static_cast<std::uint8_t>(lower - 0x20)
                             : c;
    if (mode == CaseMode::Exact) lower = c;
    lower_ = _mm_set1_epi8(static_cast<char>(lower));
    upper_ = _mm_set1_epi8(static_cast<char>(upper));
  }

  __m128i match(const std::uint8_t* at) const {
    __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    return _mm_or_si128(_mm_cmpeq_epi8(chunk, lower_), _mm_cmpeq_epi8(chunk, upper_));
  }

 private:
  __m128i lower_;
  __m128i upper_;
};
#endif

}  // namespace

std::int64_t findAtCharStart(std::string_view text, std::string_view needleBytes,
                             std::int64_t origin, CaseMode mode) {
  const auto length = static_cast<std::int64_t>(text.size());
  const auto k = static_cast<std::int64_t>(needleBytes.size());
  if (k == 0 || origin < 0 || length - origin < k) return -1;

  const auto* t = reinterpret_cast<const std::uint8_t*>(text.data());
  const Needle needle{needleBytes, mode};
  char_walk::CharStartTracker starts(text, origin);
  const std::int64_t lastCandidate = length - k;

  auto accept = [&](std::int64_t p) -> bool {
    return starts.isStart(p) && needle.matchesAt(t + p);
  };
  // A one-byte needle found on a lone lead byte at the very end: the walk ends there.
  auto result = [&](std::int64_t p) -> std::int64_t {
    return (p == length - 1 && char_walk::isLeadByte(t[p])) ? -1 : p;
  };

  std::int64_t p = origin;
#if defined(__SSE2__)
  const ByteFilter firstFilter(needle.first(), mode);
  const ByteFilter lastFilter(needle.last(), mode);
  for (; p + 15 <= lastCandidate; p += 16) {
    __m128i both = _mm_and_si128(firstFilter.match(t + p), lastFilter.match(t + p + k - 1));
    auto mask = static_cast<unsigned>(_mm_movemask_epi8(both));
    while (mask != 0) {
      std::int64_t candidate = p + __builtin_ctz(mask);
      if (accept(candidate)) return result(candidate);
      mask &= mask - 1;
    }
  }
#endif
  for (; p <= lastCandidate; ++p) {
    if (needle.sameByte(t[p], needle.first()) && needle.sameByte(t[p + k - 1], needle.last()) &&
        accept(p)) {
      return result(p);
    }
  }
  return -1;
}

}  // namespace substring_search
