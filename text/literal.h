// System text from source literals. Sources are UTF-8 while system text is
// code page 936: "无段位"_gbk converts the literal once, on first use, and
// yields a reference to the constant Text.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

#include "text/text.h"

// The conversion behind _gbk: UTF-8 bytes to a code-page-936 Text.
Text Literal_ToText(std::string_view utf8);

namespace text_literal {

template <std::size_t N>
struct Utf8Literal {
  constexpr Utf8Literal(const char (&s)[N]) { std::copy_n(s, N, chars); }
  constexpr std::string_view view() const { return {chars, N - 1}; }
  char chars[N]{};
};

}  // namespace text_literal

template <text_literal::Utf8Literal S>
const Text& operator""_gbk() {
  static const Text converted = Literal_ToText(S.view());
  return converted;
}
