// Request handling of the hidden-score site: /rank.php?server=N&name=ENC&result=true.
#pragma once

#include "sites/site_database.h"
#include "sites/site_request.h"

SiteResponse handleScoreRequest(const SiteDatabase& db, const SiteRequest& request);
