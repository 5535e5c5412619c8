#include "http/response_headers.h"

#include <algorithm>
#include <cctype>

namespace inet::detail {
namespace {

std::string_view withoutLineEnd(std::string_view line) {
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
  return line;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

}  // namespace

void ResponseHeaders::addLine(std::string_view raw) {
  std::string_view line = withoutLineEnd(raw);
  if (line.starts_with("HTTP/")) {
    block_.clear();
    ended_ = false;
    overflowed_ = false;
  } else if (block_.empty() || ended_) {
    return;  // nothing before a status line, nothing after the block's end
  }
  if (line.empty()) {
    ended_ = true;
    return;
  }
  if (overflowed_ || block_.size() + line.size() + 4 > kMaxBlockBytes) {
    overflowed_ = true;
    return;
  }
  block_.append(line).append("\r\n");
}

std::string ResponseHeaders::block() const {
  if (block_.empty()) return {};
  return block_ + "\r\n";
}

std::optional<std::string> ResponseHeaders::value(std::string_view name) const {
  std::string_view rest = block_;
  auto nextLine = [&rest] {
    std::size_t end = rest.find("\r\n");
    std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 2);
    return line;
  };
  nextLine();  // the status line
  while (!rest.empty()) {
    std::string_view line = nextLine();
    std::size_t colon = line.find(':');
    if (colon != std::string_view::npos && equalsIgnoringCase(trimmed(line.substr(0, colon)), name))
      return std::string(trimmed(line.substr(colon + 1)));
  }
  return std::nullopt;
}

}  // namespace inet::detail
