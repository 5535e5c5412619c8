// Ready-made answers shared by both sites' handlers.
#pragma once

#include <string_view>

#include "sites/site_request.h"

SiteResponse htmlResponse(std::string body);
SiteResponse errorResponse(int status, std::string_view reason);
// Refuses what no page of either site accepts: methods other than GET and
// HEAD, over-long targets and paths that are not plain. On true, refusal
// holds the answer; on false the request may go on to the routes.
bool refuseCommonFaults(const SiteRequest& request, SiteResponse& refusal);
