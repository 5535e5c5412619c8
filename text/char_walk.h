// Helpers for walking code-page-936 bytes character by character.
//
// A byte 0x80-0xFF starts a two-byte character whatever the next byte is; a
// byte below 0x80 is a whole character or the second byte of one. So every
// byte below 0x80 ends a character, and the position after it is always a
// character start: only the run of high bytes just before a position decides
// whether that position starts a character.
#pragma once

#include <cstdint>
#include <string_view>

namespace char_walk {

inline bool isLeadByte(std::uint8_t c) {
  return c >= 0x80;
}

// ASCII letters to lower case; every other byte unchanged.
inline std::uint8_t foldCase(std::uint8_t c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<std::uint8_t>(c + 0x20) : c;
}

inline std::uint8_t byteAt(std::string_view s, std::int64_t i) {
  return static_cast<std::uint8_t>(s[static_cast<std::size_t>(i)]);
}

// Length of the character at i: 2 for a lead byte with a byte after it, 1 for
// a byte below 0x80, 0 for a lone lead byte at the very end (the walk ends).
inline std::int64_t charLength(std::string_view s, std::int64_t i) {
  if (!isLeadByte(byteAt(s, i))) return 1;
  return i + 1 < static_cast<std::int64_t>(s.size()) ? 2 : 0;
}

inline bool isSpaceAt(std::string_view s, std::int64_t i, std::int64_t length) {
  std::uint8_t c = byteAt(s, i);
  if (c == 0x20) return true;
  return length == 2 && c == 0xA1 && byteAt(s, i + 1) == 0xA1;
}

// Answers "does position p start a character of a walk that began at origin?"
// for positions asked in increasing order. Each answer looks back only over
// the high bytes since the previous answer, so a whole scan stays linear.
class CharStartTracker {
 public:
  CharStartTracker(std::string_view s, std::int64_t origin) : s_(s), knownStart_(origin) {}

  bool isStart(std::int64_t p) {
    std::int64_t i = p;
    while (i > knownStart_ && isLeadByte(byteAt(s_, i - 1))) --i;
    // i is a character start and every byte from i to p is a high byte.
    bool start = (p - i) % 2 == 0;
    knownStart_ = start ? p : p - 1;
    return start;
  }

 private:
  std::string_view s_;
  std::int64_t knownStart_;  // a character start at or before every position still to be asked
};

}  // namespace char_walk
