// Any request target and Host header, on either site: the answer is one of
// the statuses the sites give, and an HTML answer is well-formed UTF-8.
// Input: first byte picks the site (bit 0) and the method (bit 1); the rest
// is the target, then optionally a line feed and the Host header.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "sites/percent_decode.h"
#include "sites/score_site.h"
#include "sites/site_database.h"
#include "sites/stats_site.h"

namespace {

const SiteDatabase& database() {
  static const std::unique_ptr<SiteDatabase> db = [] {
    auto opened = SiteDatabase::open("");
    if (!opened.ok()) std::abort();
    return std::move(opened.value);
  }();
  return *db;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t selector = data[0];
  std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  std::string_view host;
  if (const std::size_t newline = rest.find('\n'); newline != std::string_view::npos) {
    host = rest.substr(newline + 1);
    rest = rest.substr(0, newline);
  }
  const SiteRequest request{(selector & 2) ? "POST" : "GET", rest, host, 18360};
  const SiteResponse response = (selector & 1) ? handleScoreRequest(database(), request)
                                               : handleStatsRequest(database(), request);

  switch (response.status) {
    case 200:
    case 400:
    case 404:
    case 405:
    case 414:
      break;
    default:
      std::abort();
  }
  if (response.body.empty()) std::abort();
  if (response.contentType.starts_with("text/html") && !isValidUtf8(response.body)) std::abort();
  return 0;
}
