// Request handling of the statistics site: search page, summoner page,
// birthday page and avatar pictures.
#pragma once

#include "sites/site_database.h"
#include "sites/site_request.h"

SiteResponse handleStatsRequest(const SiteDatabase& db, const SiteRequest& request);
