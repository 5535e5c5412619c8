#include "http/url_crack.h"

#include <curl/curl.h>

#include <cctype>
#include <charconv>
#include <memory>
#include <optional>

#include "http/curl_share.h"
#include "http/url_escape.h"

namespace {

struct UrlHandleDeleter {
  void operator()(CURLU* u) const { curl_url_cleanup(u); }
};
using UrlHandle = std::unique_ptr<CURLU, UrlHandleDeleter>;

// True when url starts with "scheme:" followed by "//".
bool hasScheme(std::string_view url) {
  std::size_t end = url.find("://");
  if (end == std::string_view::npos || end == 0) return false;
  if (!std::isalpha(static_cast<unsigned char>(url[0]))) return false;
  for (char c : url.substr(0, end))
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '+' && c != '-' && c != '.')
      return false;
  return true;
}

std::optional<std::string> part(CURLU* u, CURLUPart which, unsigned int flags = 0) {
  char* value = nullptr;
  if (curl_url_get(u, which, &value, flags) != CURLUE_OK || !value) return std::nullopt;
  std::string copy(value);
  curl_free(value);
  return copy;
}

}  // namespace

const char* to_string(CrackStatus s) {
  switch (s) {
    case CrackStatus::Ok:
      return "ok";
    case CrackStatus::Malformed:
      return "malformed";
    case CrackStatus::SchemeNotAllowed:
      return "scheme not allowed";
  }
  return "unknown";
}

CrackResult crackUrl(std::string_view url) {
  inet::detail::cookieShare();  // initialises libcurl once
  std::string canonical = percentEncodeUnsafe(url);
  if (!hasScheme(canonical)) canonical.insert(0, "http://");

  CrackResult result;
  UrlHandle u(curl_url());
  if (!u || curl_url_set(u.get(), CURLUPART_URL, canonical.c_str(), CURLU_NON_SUPPORT_SCHEME) !=
                CURLUE_OK)
    return result;
  UrlPieces& p = result.pieces;
  auto scheme = part(u.get(), CURLUPART_SCHEME);
  auto host = part(u.get(), CURLUPART_HOST);
  auto port = part(u.get(), CURLUPART_PORT, CURLU_DEFAULT_PORT);
  auto path = part(u.get(), CURLUPART_PATH);
  if (scheme && *scheme != "http" && *scheme != "https") {
    result.status = CrackStatus::SchemeNotAllowed;
    return result;
  }
  if (!scheme || !host || host->empty() || !port || !path) return result;
  auto [end, error] = std::from_chars(port->data(), port->data() + port->size(), p.port);
  if (error != std::errc() || end != port->data() + port->size()) return result;
  p.scheme = *scheme;
  p.host = *host;
  p.user = part(u.get(), CURLUPART_USER, CURLU_URLDECODE).value_or("");
  p.password = part(u.get(), CURLUPART_PASSWORD, CURLU_URLDECODE).value_or("");
  p.object = *path;
  if (auto query = part(u.get(), CURLUPART_QUERY)) p.object += "?" + *query;
  result.status = CrackStatus::Ok;
  return result;
}
