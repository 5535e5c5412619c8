// Conversions between code page 936 (the tool's text), UTF-16 (little-endian
// units in a ByteSet) and UTF-8, each done in two steps through UTF-16 on the
// code-page layer (text/code_page.h).
#pragma once

#include "text/text.h"

// Code page numbers understood by the code-page layer.
inline constexpr int kCodePageAnsi = 0;  // the system ANSI code page, taken to be 936
inline constexpr int kCodePageGbk = 936;
inline constexpr int kCodePageUtf8 = 65001;

// The units of t decoded from codePage, then one zero unit.
ByteSet Codec_AnsiToUtf16(const Text& t, int codePage = kCodePageUtf8);
// The units before the first zero unit, encoded in codePage.
Text Codec_Utf16ToAnsi(const ByteSet& w, int codePage = kCodePageAnsi);
// A code-page-936 Text as UTF-8 bytes (held in a Text).
Text Codec_AnsiToUtf8(const Text& t);
// Exactly the UTF-16 units of b, no terminating unit; malformed input gives U+FFFD.
ByteSet Codec_Utf8ToUtf16(const ByteSet& b);
// UTF-16 units to code page 936, composing base + combining mark; up to the first zero.
Text Codec_Utf16ToGbk(const ByteSet& w);
// A UTF-8 page as code-page-936 text.
Text Codec_Utf8ToAnsi(const ByteSet& b);
