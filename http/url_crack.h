// Canonicalising and splitting an absolute URL for a download: a missing
// scheme means http, spaces and other bytes that may not appear raw are
// percent-encoded, and only http and https are accepted.
#pragma once

#include <string>
#include <string_view>

enum class CrackStatus {
  Ok,
  Malformed,         // no usable host, a bad port, or not a URL at all
  SchemeNotAllowed,  // anything but http and https (file:, ftp:, ...)
};
const char* to_string(CrackStatus s);

struct UrlPieces {
  std::string scheme;  // "http" or "https"
  std::string host;
  int port = 0;  // the named port, else the scheme's default
  std::string user, password;
  std::string object;  // path and query, without the fragment
};

struct CrackResult {
  CrackStatus status = CrackStatus::Malformed;
  UrlPieces pieces;
};

[[nodiscard]] CrackResult crackUrl(std::string_view url);
