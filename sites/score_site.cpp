#include "sites/score_site.h"

#include <algorithm>
#include <array>

#include "sites/query_string.h"
#include "sites/request_target.h"
#include "sites/score_pages.h"
#include "sites/site_response.h"

namespace {

// The server number as the form sends it: 1 to 2 digits, no leading zero.
std::optional<int> serverNumber(std::string_view value) {
  if (value.empty() || value.size() > 2 || value.front() == '0') return std::nullopt;
  if (!std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  return std::stoi(std::string(value));
}

SiteResponse rank(const SiteDatabase& db, std::string_view query) {
  if (query.empty()) return htmlResponse(scoreFormPage());
  static constexpr std::array<QueryField, 3> fields = {
      {{"server", true}, {"name", true}, {"result", true}}};
  const QueryResult parsed = parseQuery(query, fields);
  if (parsed.status != QueryStatus::ok) {
    std::string reason = to_string(parsed.status);
    if (!parsed.detail.empty()) reason += ": " + parsed.detail;
    return errorResponse(400, reason);
  }
  const std::string& server = parsed.values.at("server");
  const std::string& name = parsed.values.at("name");
  if (parsed.values.at("result") != "true")
    return errorResponse(400, "result 只能是 true (result must be true)");
  if (server.empty()) return errorResponse(400, "缺少服务器 (missing server)");
  if (name.empty()) return errorResponse(400, "缺少召唤师名称 (missing name)");

  const DbResult<std::vector<ServerEntry>> servers = db.servers();
  if (!servers.ok()) return errorResponse(500, to_string(servers.status));
  const std::optional<int> number = serverNumber(server);
  const auto entry =
      std::find_if(servers.value.begin(), servers.value.end(),
                   [&](const ServerEntry& e) { return number && e.number == *number; });
  if (entry == servers.value.end()) return errorResponse(400, "未知的服务器 (unknown server)");

  const DbResult<int> score = db.hiddenScore(entry->number, name);
  if (score.status == DbStatus::notFound)
    return {404, "text/html; charset=utf-8", scoreNotFoundPage(entry->name, name)};
  if (!score.ok()) return errorResponse(500, to_string(score.status));
  return htmlResponse(scorePage(entry->name, name, score.value));
}

}  // namespace

SiteResponse handleScoreRequest(const SiteDatabase& db, const SiteRequest& request) {
  SiteResponse refusal;
  if (refuseCommonFaults(request, refusal)) return refusal;
  const auto [path, query] = splitTarget(request.target);
  if (path == "/rank.php") return rank(db, query);
  if (path == "/" && query.empty()) return htmlResponse(scoreFormPage());
  return errorResponse(404, "页面不存在 (no such page)");
}
