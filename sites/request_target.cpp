#include "sites/request_target.h"

#include <algorithm>

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

bool isHostNameChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || isDigit(c) || c == '-' || c == '.';
}

bool isPort(std::string_view digits) {
  return !digits.empty() && digits.size() <= 5 &&
         std::all_of(digits.begin(), digits.end(), isDigit);
}

bool isWellFormedHost(std::string_view host) {
  if (host.empty() || host.size() > 255) return false;
  std::string_view name = host;
  if (host.front() == '[') {  // [IPv6]:port
    const std::size_t close = host.find(']');
    if (close == std::string_view::npos || close == 1) return false;
    const std::string_view inner = host.substr(1, close - 1);
    if (!std::all_of(inner.begin(), inner.end(), [](char c) {
          return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F') || c == ':' ||
                 c == '.';
        }))
      return false;
    const std::string_view rest = host.substr(close + 1);
    return rest.empty() || (rest.front() == ':' && isPort(rest.substr(1)));
  }
  if (const std::size_t colon = host.find(':'); colon != std::string_view::npos) {
    if (!isPort(host.substr(colon + 1))) return false;
    name = host.substr(0, colon);
  }
  return !name.empty() && std::all_of(name.begin(), name.end(), isHostNameChar);
}

}  // namespace

TargetParts splitTarget(std::string_view target) {
  const std::size_t question = target.find('?');
  if (question == std::string_view::npos) return {target, {}};
  return {target.substr(0, question), target.substr(question + 1)};
}

bool isPlainPath(std::string_view path) {
  if (path.empty() || path.front() != '/') return false;
  if (path.find("..") != std::string_view::npos || path.find("//") != std::string_view::npos)
    return false;
  return std::all_of(path.begin(), path.end(),
                     [](char c) { return c > 0x20 && c < 0x7f && c != '\\' && c != '%'; });
}

std::optional<std::int64_t> pageId(std::string_view path, std::string_view prefix,
                                   std::string_view suffix) {
  if (!path.starts_with(prefix) || !path.ends_with(suffix) ||
      path.size() < prefix.size() + suffix.size())
    return std::nullopt;
  const std::string_view digits =
      path.substr(prefix.size(), path.size() - prefix.size() - suffix.size());
  if (digits.empty() || digits.size() > 12 || digits.front() == '0') return std::nullopt;
  if (!std::all_of(digits.begin(), digits.end(), isDigit)) return std::nullopt;
  std::int64_t id = 0;
  for (char c : digits) id = id * 10 + (c - '0');
  return id;
}

std::string siteBase(std::string_view host, int localPort) {
  if (isWellFormedHost(host)) return "http://" + std::string(host);
  return "http://127.0.0.1:" + std::to_string(localPort);
}
