// Shared by the text fuzz targets: cutting a fuzz input into Texts and
// options, checking invariants, and the plain character walk that the
// optimised routines must agree with.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "text/text.h"

#define FUZZ_CHECK(condition)                                                            \
  do {                                                                                   \
    if (!(condition)) {                                                                  \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                      \
    }                                                                                    \
  } while (false)

namespace fuzz_text {

// The input as: one byte of option bits, then fields separated by zero bytes
// (a Text never holds one). Missing fields are empty.
class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) {
    if (size > 0) {
      options_ = data[0];
      std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
      for (;;) {
        std::size_t zero = rest.find('\0');
        fields_.emplace_back(rest.substr(0, zero));
        if (zero == std::string_view::npos) break;
        rest.remove_prefix(zero + 1);
      }
    }
  }

  bool flag(int bit) const { return (options_ >> bit) & 1; }
  // A small signed number from the option bits, for starts and limits.
  int small(int shift) const { return static_cast<int>((options_ >> shift) & 15) - 3; }
  Text text(std::size_t i) const { return i < fields_.size() ? Text(fields_[i]) : Text(); }

 private:
  std::uint8_t options_ = 0;
  std::vector<std::string_view> fields_;
};

inline unsigned char foldAscii(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c;
}

inline bool equalAt(std::string_view t, std::size_t p, std::string_view sub, bool ignoreCase) {
  if (t.size() - p < sub.size()) return false;
  for (std::size_t i = 0; i < sub.size(); ++i) {
    auto a = static_cast<unsigned char>(t[p + i]), b = static_cast<unsigned char>(sub[i]);
    if (ignoreCase ? foldAscii(a) != foldAscii(b) : a != b) return false;
  }
  return true;
}

// Every character start of a walk from byte `from`, in order, excluding a
// lone lead byte at the very end (the walk ends there).
inline std::vector<std::int64_t> charStarts(std::string_view t, std::int64_t from) {
  std::vector<std::int64_t> starts;
  const auto length = static_cast<std::int64_t>(t.size());
  for (std::int64_t p = from; p < length;) {
    bool lead = static_cast<unsigned char>(t[p]) >= 0x80;
    if (lead && p + 1 == length) break;
    starts.push_back(p);
    p += lead ? 2 : 1;
  }
  return starts;
}

// Text_Find as a plain walk.
inline std::int64_t plainFind(std::string_view t, std::string_view sub, std::int64_t start,
                              bool ignoreCase) {
  std::int64_t b = start >= 1 ? start - 1 : 0;
  if (b >= static_cast<std::int64_t>(t.size())) return -1;
  if (sub.empty()) return 1;
  for (std::int64_t p : charStarts(t, b))
    if (equalAt(t, static_cast<std::size_t>(p), sub, ignoreCase)) return p + 1;
  return -1;
}

// Text_FindLast as a plain walk.
inline std::int64_t plainFindLast(std::string_view t, std::string_view sub, bool ignoreCase) {
  if (t.empty()) return -1;
  if (sub.empty()) return 1;
  std::int64_t last = -1;
  for (std::int64_t p : charStarts(t, 0))
    if (equalAt(t, static_cast<std::size_t>(p), sub, ignoreCase)) last = p + 1;
  return last;
}

}  // namespace fuzz_text
