// Cookie_Merge of two cookie strings; the input's first zero byte (or its
// middle) separates the old string from the received one.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "http/cookie_merge.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::size_t split = input.find('\0');
  if (split == std::string_view::npos) split = input.size() / 2;
  Text cookies(input.substr(0, split));
  Text received(input.substr(std::min(input.size(), split + 1)));
  Text merged = Cookie_Merge(cookies, received);
  if (!(merged == cookies)) __builtin_trap();
  return 0;
}
