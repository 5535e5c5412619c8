// The client layer's collection of received header lines into the final
// response's header block; the input's LF bytes end the lines.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "http/response_headers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  inet::detail::ResponseHeaders headers;
  while (!input.empty()) {
    std::size_t end = input.find('\n');
    end = end == std::string_view::npos ? input.size() : end + 1;
    headers.addLine(input.substr(0, end));
    input.remove_prefix(end);
  }
  std::string block = headers.block();
  if (headers.arrived() && !block.ends_with("\r\n\r\n")) __builtin_trap();
  (void)headers.value("Content-Length");
  return 0;
}
