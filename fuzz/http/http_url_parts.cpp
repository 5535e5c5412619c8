// Url_Host, Url_Port and Url_Path on any text, with every option.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "http/url_parts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Text url(std::string_view(reinterpret_cast<const char*>(data), size));
  for (bool lastTwo : {false, true})
    for (bool keepPort : {false, true}) (void)Url_Host(url, lastTwo, keepPort);
  (void)Url_Port(url);
  Text path = Url_Path(url);
  if (path.empty() || path.at(0) != '/') __builtin_trap();
  return 0;
}
