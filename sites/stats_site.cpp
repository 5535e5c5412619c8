#include "sites/stats_site.h"

#include <array>

#include "sites/query_string.h"
#include "sites/request_target.h"
#include "sites/site_response.h"
#include "sites/stats_pages.h"

namespace {

SiteResponse queryError(const QueryResult& query) {
  std::string reason = to_string(query.status);
  if (!query.detail.empty()) reason += ": " + query.detail;
  return errorResponse(400, reason);
}

SiteResponse databaseError(DbStatus status) {
  return errorResponse(500, to_string(status));
}

// Pages other than the search page take no parameters.
bool refuseQuery(std::string_view query, SiteResponse& refusal) {
  const QueryResult parsed = parseQuery(query, {});
  if (parsed.status == QueryStatus::ok) return false;
  refusal = queryError(parsed);
  return true;
}

SiteResponse search(const SiteDatabase& db, const SiteRequest& request, std::string_view query) {
  static constexpr std::array<QueryField, 2> fields = {{{"a", false}, {"k", true}}};
  const QueryResult parsed = parseQuery(query, fields);
  if (parsed.status != QueryStatus::ok) return queryError(parsed);
  const std::string& name = parsed.values.at("k");
  const std::string base = siteBase(request.host, request.localPort);
  // An empty name lists nobody: the page asks for a name instead.
  if (name.empty()) return htmlResponse(searchPage(name, {}, base));
  const DbResult<std::vector<PlayerSummary>> players = db.findPlayers(name);
  if (!players.ok()) return databaseError(players.status);
  return htmlResponse(searchPage(name, players.value, base));
}

SiteResponse playerPage(const SiteDatabase& db, std::int64_t id,
                        std::string (*page)(const PlayerProfile&)) {
  const DbResult<PlayerProfile> profile = db.player(id);
  if (profile.status == DbStatus::notFound)
    return errorResponse(404, "未找到该召唤师 (no such summoner)");
  if (!profile.ok()) return databaseError(profile.status);
  return htmlResponse(page(profile.value));
}

SiteResponse avatar(const SiteDatabase& db, std::string_view file) {
  const DbResult<AvatarPicture> picture = db.avatar(file);
  if (picture.status == DbStatus::notFound)
    return errorResponse(404, "没有这张头像 (no such picture)");
  if (!picture.ok()) return databaseError(picture.status);
  return {200, picture.value.mime, picture.value.bytes};
}

}  // namespace

SiteResponse handleStatsRequest(const SiteDatabase& db, const SiteRequest& request) {
  SiteResponse refusal;
  if (refuseCommonFaults(request, refusal)) return refusal;
  const auto [path, query] = splitTarget(request.target);

  if (path == "/db/so.html") return search(db, request, query);
  if (refuseQuery(query, refusal)) return refusal;
  if (path == "/" || path == "/index.html") return htmlResponse(homePage());
  if (path.starts_with("/db/summoner/")) {
    const auto id = pageId(path, "/db/summoner/", ".html");
    return id ? playerPage(db, *id, summonerPage)
              : errorResponse(404, "未找到该召唤师 (no such summoner)");
  }
  if (path.starts_with("/db/birth/")) {
    const auto id = pageId(path, "/db/birth/", ".html");
    return id ? playerPage(db, *id, birthdayPage)
              : errorResponse(404, "未找到该召唤师 (no such summoner)");
  }
  if (path.starts_with("/avatars/")) return avatar(db, path.substr(9));
  return errorResponse(404, "页面不存在 (no such page)");
}
