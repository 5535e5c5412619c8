// The scan of a raw response header block for Location and Set-Cookie lines.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "http/header_scan.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Text raw(std::string_view(reinterpret_cast<const char*>(data), size));
  Text location("unchanged");
  Text cookies("stale");
  scanResponseHeaders(raw, location, cookies);
  return 0;
}
