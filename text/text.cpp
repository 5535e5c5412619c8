#include "text/text.h"

#include <ostream>

namespace {

void printEscaped(std::string_view bytes, std::ostream& os) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  os << '"';
  for (char ch : bytes) {
    auto c = static_cast<unsigned char>(ch);
    if (c >= 0x20 && c < 0x7F && c != '\\' && c != '"') {
      os << ch;
    } else {
      os << "\\x" << kHex[c >> 4] << kHex[c & 15];
    }
  }
  os << '"';
}

const Text kEmptyText;

}  // namespace

void PrintTo(const Text& t, std::ostream* os) {
  printEscaped(t.view(), *os);
}
void PrintTo(const ByteSet& b, std::ostream* os) {
  printEscaped(b.view(), *os);
}
void PrintTo(const TextArray& a, std::ostream* os) {
  *os << '{';
  for (std::size_t i = 0; i < a.items().size(); ++i) {
    if (i > 0) *os << ", ";
    PrintTo(a.items()[i], os);
  }
  *os << '}';
}
std::ostream& operator<<(std::ostream& os, const Text& t) {
  PrintTo(t, &os);
  return os;
}

std::int64_t Text_Length(const Text& t) {
  return t.size();
}

int Text_Compare(const Text& a, const Text& b) {
  int c = a.view().compare(b.view());  // char_traits<char> compares as unsigned char
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

std::int64_t Bytes_Length(const ByteSet& b) {
  return b.size();
}
bool Bytes_Equal(const ByteSet& a, const ByteSet& b) {
  return a == b;
}

std::int64_t TextArray_Count(const TextArray& a) {
  return static_cast<std::int64_t>(a.items().size());
}

const Text& TextArray_At(const TextArray& a, std::int64_t i) {
  if (i < 1 || i > TextArray_Count(a)) return kEmptyText;
  return a.items()[static_cast<std::size_t>(i - 1)];
}

void TextArray_Set(TextArray& a, std::int64_t i, Text t) {
  if (i < 1 || i > TextArray_Count(a)) return;
  a.items()[static_cast<std::size_t>(i - 1)] = std::move(t);
}

void TextArray_Append(TextArray& a, const Text& t) {
  a.items().push_back(t);
}
void TextArray_Clear(TextArray& a) {
  a.items().clear();
}
