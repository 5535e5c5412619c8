// Candidates are filtered on two bytes of the needle, picked as the ones
// least common in HTML, sixteen or thirty-two positions at a time (both cases
// of a letter when case is ignored); each candidate is then checked to start
// a character and compared in full.
#include "text/substring_search.h"

#include <array>
#include <cstring>
#include <utility>

#include "text/char_walk.h"

#if defined(__SSE2__)
#include <immintrin.h>
#endif
#if defined(__SSE2__) && defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define PELLUMAR_HAVE_AVX2_PATH 1
#endif

namespace substring_search {
namespace {

using char_walk::byteAt;
using char_walk::foldCase;

// How often a byte turns up in the pages the tool reads, ASCII letters
// folded: lower is rarer.
struct CommonnessTable {
  std::array<std::uint8_t, 256> rank{};

  constexpr CommonnessTable() {
    for (int c = 0; c < 256; ++c) rank[c] = c >= 0x80 ? 7 : 3;
    for (int c = '0'; c <= '9'; ++c) rank[c] = 5;
    for (int c = 'a'; c <= 'z'; ++c) rank[c] = 4;
    set("lcmpgf.:-_;&", 6);
    set("etadrsnioh", 8);
    set(" <>/\"=\t\r\n", 9);
    for (int c = 'A'; c <= 'Z'; ++c) rank[c] = rank[c + 0x20];
  }

  constexpr void set(std::string_view bytes, std::uint8_t value) {
    for (char c : bytes) rank[static_cast<std::uint8_t>(c)] = value;
  }
};

constexpr CommonnessTable kCommonness;

int commonness(std::uint8_t c) {
  return kCommonness.rank[c];
}

// The byte of the needle that candidates are filtered on, with both cases of
// a letter when case is ignored.
struct FilterByte {
  std::int64_t offset = 0;
  std::uint8_t lower = 0;
  std::uint8_t upper = 0;

  FilterByte(std::string_view needle, std::int64_t at, CaseMode mode) : offset(at) {
    std::uint8_t c = byteAt(needle, at);
    lower = upper = c;
    if (mode == CaseMode::IgnoreAsciiCase && foldCase(c) >= 'a' && foldCase(c) <= 'z') {
      lower = foldCase(c);
      upper = static_cast<std::uint8_t>(lower - 0x20);
    }
  }

  bool matches(std::uint8_t c) const { return c == lower || c == upper; }
};

// The offsets of the two rarest bytes, preferring later ones on a tie (a
// needle's last byte tells more than its first); for a one-byte needle both
// are 0.
NeedleSearch::FilterOffsets filterOffsets(std::string_view needle) {
  const auto k = static_cast<std::int64_t>(needle.size());
  NeedleSearch::FilterOffsets best{k - 1, k - 1};
  int bestRank = commonness(byteAt(needle, k - 1));
  int secondRank = 100;
  for (std::int64_t i = k - 2; i >= 0; --i) {
    int rank = commonness(byteAt(needle, i));
    if (rank < bestRank) {
      best.second = best.first;
      secondRank = bestRank;
      best.first = i;
      bestRank = rank;
    } else if (rank < secondRank) {
      best.second = i;
      secondRank = rank;
    }
  }
  return best;
}

class Search {
 public:
  Search(std::string_view text, std::string_view needle, std::int64_t origin, CaseMode mode,
         NeedleSearch::FilterOffsets offsets)
      : t_(reinterpret_cast<const std::uint8_t*>(text.data())),
        length_(static_cast<std::int64_t>(text.size())),
        needle_(needle),
        mode_(mode),
        starts_(text, origin),
        lastCandidate_(length_ - static_cast<std::int64_t>(needle.size())),
        first_(needle, offsets.first, mode),
        second_(needle, offsets.second, mode) {}

  std::int64_t run(std::int64_t origin) {
    std::int64_t p = origin;
    std::int64_t found = -1;
#if defined(PELLUMAR_HAVE_AVX2_PATH)
    static const bool hasAvx2 = [] {
      __builtin_cpu_init();  // searches may run before static constructors
      return __builtin_cpu_supports("avx2") != 0;
    }();
    if (hasAvx2) {
      if (scanAvx2(p, found)) return found;
    } else if (scanSse2(p, found)) {
      return found;
    }
#elif defined(__SSE2__)
    if (scanSse2(p, found)) return found;
#endif
    for (; p <= lastCandidate_; ++p) {
      if (first_.matches(t_[p + first_.offset]) && second_.matches(t_[p + second_.offset]) &&
          accept(p)) {
        return result(p);
      }
    }
    return -1;
  }

 private:
  bool accept(std::int64_t p) {
    return starts_.isStart(p) && matchesAt(p);
  }

  bool matchesAt(std::int64_t p) const {
    const std::uint8_t* at = t_ + p;
    if (mode_ == CaseMode::Exact) return std::memcmp(at, needle_.data(), needle_.size()) == 0;
    for (std::size_t i = 0; i < needle_.size(); ++i) {
      if (foldCase(at[i]) != foldCase(static_cast<std::uint8_t>(needle_[i]))) return false;
    }
    return true;
  }

  // A one-byte needle found on a lone lead byte at the very end: the walk
  // ends there instead.
  std::int64_t result(std::int64_t p) const {
    return (p == length_ - 1 && char_walk::isLeadByte(t_[p])) ? -1 : p;
  }

  // Checks the candidates of one block, given as a bit mask from p on.
  bool acceptFirstOf(std::uint32_t mask, std::int64_t p, std::int64_t& found) {
    for (; mask != 0; mask &= mask - 1) {
      std::int64_t candidate = p + __builtin_ctz(mask);
      if (accept(candidate)) {
        found = result(candidate);
        return true;
      }
    }
    return false;
  }

#if defined(__SSE2__)
  bool scanSse2(std::int64_t& p, std::int64_t& found) {
    const __m128i firstLower = _mm_set1_epi8(static_cast<char>(first_.lower));
    const __m128i firstUpper = _mm_set1_epi8(static_cast<char>(first_.upper));
    const __m128i secondLower = _mm_set1_epi8(static_cast<char>(second_.lower));
    const __m128i secondUpper = _mm_set1_epi8(static_cast<char>(second_.upper));
    for (; p + 15 <= lastCandidate_; p += 16) {
      __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(t_ + p + first_.offset));
      __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(t_ + p + second_.offset));
      __m128i matchA = _mm_or_si128(_mm_cmpeq_epi8(a, firstLower), _mm_cmpeq_epi8(a, firstUpper));
      __m128i matchB = _mm_or_si128(_mm_cmpeq_epi8(b, secondLower), _mm_cmpeq_epi8(b, secondUpper));
      auto mask = static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_and_si128(matchA, matchB)));
      if (mask != 0 && acceptFirstOf(mask, p, found)) return true;
    }
    return false;
  }
#endif

#if defined(PELLUMAR_HAVE_AVX2_PATH)
  __attribute__((target("avx2"))) bool scanAvx2(std::int64_t& p, std::int64_t& found) {
    const __m256i firstLower = _mm256_set1_epi8(static_cast<char>(first_.lower));
    const __m256i firstUpper = _mm256_set1_epi8(static_cast<char>(first_.upper));
    const __m256i secondLower = _mm256_set1_epi8(static_cast<char>(second_.lower));
    const __m256i secondUpper = _mm256_set1_epi8(static_cast<char>(second_.upper));
    for (; p + 31 <= lastCandidate_; p += 32) {
      __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(t_ + p + first_.offset));
      __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(t_ + p + second_.offset));
      __m256i matchA =
          _mm256_or_si256(_mm256_cmpeq_epi8(a, firstLower), _mm256_cmpeq_epi8(a, firstUpper));
      __m256i matchB =
          _mm256_or_si256(_mm256_cmpeq_epi8(b, secondLower), _mm256_cmpeq_epi8(b, secondUpper));
      auto mask =
          static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_and_si256(matchA, matchB)));
      if (mask != 0 && acceptFirstOf(mask, p, found)) return true;
    }
    // One more step of sixteen with the low halves, rather than setting up
    // the SSE2 constants anew.
    if (p + 15 <= lastCandidate_) {
      __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(t_ + p + first_.offset));
      __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(t_ + p + second_.offset));
      __m128i matchA = _mm_or_si128(_mm_cmpeq_epi8(a, _mm256_castsi256_si128(firstLower)),
                                    _mm_cmpeq_epi8(a, _mm256_castsi256_si128(firstUpper)));
      __m128i matchB = _mm_or_si128(_mm_cmpeq_epi8(b, _mm256_castsi256_si128(secondLower)),
                                    _mm_cmpeq_epi8(b, _mm256_castsi256_si128(secondUpper)));
      auto mask = static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_and_si128(matchA, matchB)));
      if (mask != 0 && acceptFirstOf(mask, p, found)) return true;
      p += 16;
    }
    return false;
  }
#endif

  const std::uint8_t* t_;
  std::int64_t length_;
  std::string_view needle_;
  CaseMode mode_;
  char_walk::CharStartTracker starts_;
  std::int64_t lastCandidate_;  // the last position with room for the whole needle
  FilterByte first_;
  FilterByte second_;
};

}  // namespace

NeedleSearch::NeedleSearch(std::string_view needle, CaseMode mode)
    : needle_(needle),
      mode_(mode),
      offsets_(needle.empty() ? FilterOffsets{} : filterOffsets(needle)) {}

std::int64_t NeedleSearch::findAtCharStart(std::string_view text, std::int64_t origin) const {
  const auto length = static_cast<std::int64_t>(text.size());
  const auto k = static_cast<std::int64_t>(needle_.size());
  if (k == 0 || origin < 0 || length - origin < k) return -1;
  return Search(text, needle_, origin, mode_, offsets_).run(origin);
}

std::int64_t NeedleSearch::findFrom(std::string_view text, std::int64_t start) const {
  const std::int64_t walkStart = start >= 1 ? start - 1 : 0;
  if (walkStart >= static_cast<std::int64_t>(text.size())) return -1;
  if (needle_.empty()) return 1;
  std::int64_t found = findAtCharStart(text, walkStart);
  return found < 0 ? -1 : found + 1;
}

}  // namespace substring_search
