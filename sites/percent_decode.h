// Strict decoding of a percent-encoded UTF-8 query value, the form in which
// the tool sends player names: every byte but - . 0-9 A-Z a-z as %HH. A raw
// '+' stands for a space, as the search form of the pages sends it.
#pragma once

#include <string>
#include <string_view>

enum class DecodeStatus {
  ok,
  badEscape,    // '%' not followed by two hex digits
  badByte,      // a raw byte that may not stand unescaped (space, control, >= 0x80)
  zeroByte,     // %00: names never hold one
  invalidUtf8,  // the decoded bytes are not well-formed UTF-8
};

const char* to_string(DecodeStatus status);

struct [[nodiscard]] DecodeResult {
  DecodeStatus status = DecodeStatus::ok;
  std::string value;  // UTF-8; empty unless status is ok
};

DecodeResult percentDecodeUtf8(std::string_view encoded);

// Well-formed UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(std::string_view bytes);
