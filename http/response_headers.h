// Collects the header lines of an HTTP exchange into the header block of the
// final response: its status line and header lines, each ended by CR LF, and
// the empty line that ends the block. A new status line (a followed
// redirect, an interim 1xx answer) starts the block afresh; lines after the
// block's end (chunked trailers) are not part of it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace inet::detail {

class ResponseHeaders {
 public:
  // Larger blocks are not kept; they are reported as overflowing.
  static constexpr std::size_t kMaxBlockBytes = 256 * 1024;

  // One line as received, with or without its line ending.
  void addLine(std::string_view line);

  bool arrived() const { return !block_.empty(); }
  bool overflowed() const { return overflowed_; }
  // The block so far; once it has arrived it always ends in "\r\n\r\n".
  std::string block() const;
  // The value of the first line called name (letter case ignored), trimmed.
  std::optional<std::string> value(std::string_view name) const;

 private:
  std::string block_;  // status line and header lines, each with CR LF
  bool ended_ = false;
  bool overflowed_ = false;
};

}  // namespace inet::detail
