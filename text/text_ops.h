// Primitive operations on Text and ByteSet: cutting by byte count, searching,
// case folding, trimming, replacing, splitting, reading and writing numbers.
//
// Operations that step by character treat a byte 0x80-0xFF as the first byte
// of a two-byte character together with the byte after it; an occurrence that
// would start on a second byte is never found, and a lone first byte at the
// very end ends the walk. Case folding touches ASCII letters only. A space
// is the byte 0x20 or the full-width space A1 A1; TAB, CR and LF are not.
#pragma once

#include <cstdint>

#include "text/text.h"

Text Text_Left(const Text& t, std::int64_t n);
Text Text_Right(const Text& t, std::int64_t n);
Text Text_Mid(const Text& t, std::int64_t start, std::int64_t n);
Text Text_FromCode(int c);

// 1-based position of the first occurrence of sub at or after start, or -1.
// A start below 1 (or omitted) searches from the first byte.
std::int64_t Text_Find(const Text& t, const Text& sub, std::int64_t start = 0,
                       bool ignoreCase = false);
std::int64_t Text_FindLast(const Text& t, const Text& sub, bool ignoreCase = false);

Text Text_ToLower(const Text& t);
Text Text_Trim(const Text& t);
Text Text_RemoveSpaces(const Text& t);
Text Text_Replace(const Text& t, const Text& sub, const Text& repl = Text(),
                  bool caseSensitive = true);
TextArray Text_Split(const Text& t, const Text& sep);

// The leading whole number after full-width folding; 0 when there is none.
// Values beyond the int range saturate.
int Text_ToInt(const Text& t);
Text Text_Hex(std::int64_t i);
Text Text_Blank(std::int64_t n);
ByteSet Text_ToBytes(const Text& t);

ByteSet Bytes_Left(const ByteSet& b, std::int64_t n);
ByteSet Bytes_Blank(std::int64_t n);
Text Bytes_ToText(const ByteSet& b);
