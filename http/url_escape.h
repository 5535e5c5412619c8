// Percent-encoding of the bytes that may not appear raw in a URL: control
// bytes, the space, bytes from 0x7F on and the marks " < > \ ^ ` { | }.
// Everything else, an existing %XX included, stays as it is.
#pragma once

#include <string>
#include <string_view>

std::string percentEncodeUnsafe(std::string_view url);
