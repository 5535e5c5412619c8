#include "sites/site_response.h"

#include "sites/html.h"
#include "sites/request_target.h"

SiteResponse htmlResponse(std::string body) {
  return {200, "text/html; charset=utf-8", std::move(body)};
}

SiteResponse errorResponse(int status, std::string_view reason) {
  return {status, "text/html; charset=utf-8", errorPage(status, reason)};
}

bool refuseCommonFaults(const SiteRequest& request, SiteResponse& refusal) {
  if (request.method != "GET" && request.method != "HEAD") {
    refusal = errorResponse(405, "只接受 GET 请求 (only GET is served)");
    return true;
  }
  if (request.target.size() > kMaxTargetLength) {
    refusal = errorResponse(414, "请求地址过长 (request target too long)");
    return true;
  }
  if (!isPlainPath(splitTarget(request.target).path)) {
    refusal = errorResponse(400, "无效的路径 (bad path)");
    return true;
  }
  return false;
}
