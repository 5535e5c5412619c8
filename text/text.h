// Text, ByteSet and TextArray: the three value types that carry all text of
// the tool, with their basic operations.
//
// Text holds code-page-936 (GBK) bytes and never contains a zero byte; an
// absent Text is simply the empty one. Positions and lengths count bytes and
// positions start at 1. ByteSet holds any bytes (HTTP bodies, UTF-16, UTF-8).
// TextArray is a growable array of Texts indexed from 1. All three are
// ordinary values: copying copies, assigning frees the old content.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <iosfwd>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

class Text {
 public:
  Text() = default;
  // Takes the bytes up to, not including, the first zero byte.
  explicit Text(std::string_view bytes) : bytes_(bytes.substr(0, bytes.find('\0'))) {}
  explicit Text(const char* bytes) : Text(std::string_view(bytes)) {}
  explicit Text(std::string&& bytes) : bytes_(std::move(bytes)) {
    if (auto zero = bytes_.find('\0'); zero != std::string::npos) bytes_.resize(zero);
  }

  // The bytes [pos, pos + n) of whole, clipped to it. A piece of a Text holds
  // no zero byte, so no scan for one is needed.
  static Text pieceOf(const Text& whole, std::size_t pos, std::size_t n) {
    Text piece;
    if (pos < whole.bytes_.size()) piece.bytes_.assign(whole.bytes_, pos, n);
    return piece;
  }

  std::string_view view() const { return bytes_; }
  const std::string& bytes() const { return bytes_; }
  const char* c_str() const { return bytes_.c_str(); }
  std::int64_t size() const { return static_cast<std::int64_t>(bytes_.size()); }
  bool empty() const { return bytes_.empty(); }
  // The byte at 0-based index i, as an unsigned value.
  std::uint8_t at(std::int64_t i) const { return static_cast<std::uint8_t>(bytes_[i]); }

  friend bool operator==(const Text&, const Text&) = default;

 private:
  std::string bytes_;  // invariant: no zero byte
};

class ByteSet {
 public:
  ByteSet() = default;
  explicit ByteSet(std::string_view bytes) : bytes_(bytes) {}
  explicit ByteSet(const char* bytes) : bytes_(bytes) {}
  explicit ByteSet(std::string&& bytes) : bytes_(std::move(bytes)) {}

  std::string_view view() const { return bytes_; }
  const std::string& bytes() const { return bytes_; }
  const char* data() const { return bytes_.data(); }
  std::int64_t size() const { return static_cast<std::int64_t>(bytes_.size()); }
  bool empty() const { return bytes_.empty(); }

  void reserve(std::size_t n) { bytes_.reserve(n); }
  void append(std::string_view more) { bytes_.append(more); }
  std::string take() && { return std::move(bytes_); }

  friend bool operator==(const ByteSet&, const ByteSet&) = default;

 private:
  std::string bytes_;
};

class TextArray {
 public:
  TextArray() = default;
  TextArray(std::initializer_list<Text> items) : items_(items) {}

  const std::vector<Text>& items() const { return items_; }
  std::vector<Text>& items() { return items_; }

  friend bool operator==(const TextArray&, const TextArray&) = default;

 private:
  std::vector<Text> items_;
};

// Test and diagnostic printing: ASCII as is, other bytes as \xHH.
void PrintTo(const Text& t, std::ostream* os);
void PrintTo(const ByteSet& b, std::ostream* os);
void PrintTo(const TextArray& a, std::ostream* os);
std::ostream& operator<<(std::ostream& os, const Text& t);

// --- Text ---------------------------------------------------------------
std::int64_t Text_Length(const Text& t);
// Byte-wise unsigned comparison: -1, 0 or 1; a prefix sorts first.
int Text_Compare(const Text& a, const Text& b);

template <class... Parts>
Text Text_Concat(const Parts&... parts) {
  static_assert((std::is_same_v<Parts, Text> && ...), "Text_Concat joins Texts");
  std::string joined;
  joined.reserve((parts.bytes().size() + ... + 0));
  (joined.append(parts.bytes()), ...);
  return Text(std::move(joined));
}

// --- ByteSet ------------------------------------------------------------
std::int64_t Bytes_Length(const ByteSet& b);
bool Bytes_Equal(const ByteSet& a, const ByteSet& b);

template <class... Parts>
ByteSet Bytes_Concat(const Parts&... parts) {
  static_assert((std::is_same_v<Parts, ByteSet> && ...), "Bytes_Concat joins ByteSets");
  std::string joined;
  joined.reserve((parts.bytes().size() + ... + 0));
  (joined.append(parts.bytes()), ...);
  return ByteSet(std::move(joined));
}

// --- TextArray ----------------------------------------------------------
std::int64_t TextArray_Count(const TextArray& a);
// Element i, 1 <= i <= count. Outside that range: the empty Text.
const Text& TextArray_At(const TextArray& a, std::int64_t i);
// Stores t as element i, 1 <= i <= count; outside that range nothing happens.
void TextArray_Set(TextArray& a, std::int64_t i, Text t);
void TextArray_Append(TextArray& a, const Text& t);
void TextArray_Clear(TextArray& a);
