// Http_HeaderValue on any line.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "http/url_parts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Text line(std::string_view(reinterpret_cast<const char*>(data), size));
  if (Http_HeaderValue(line).size() > line.size()) __builtin_trap();
  return 0;
}
