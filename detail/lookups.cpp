#include "detail/lookups.h"

#include "app/program.h"
#include "app/site_addresses.h"
#include "detail/birthday_page.h"
#include "detail/hidden_score_page.h"
#include "detail/summoner_page.h"
#include "http/http_request.h"
#include "text/codec.h"

namespace {

Text fetchPage(const Text& url) {
  return Codec_Utf8ToAnsi(Http_Request(url));
}

}  // namespace

Text Lookup_Birthday() {
  return birthdayFromPage(fetchPage(birthdayPageUrl(Site_StatsBase(), g_SelSummonerId)));
}

Text Lookup_HiddenScore() {
  const Text url = hiddenScoreUrl(Site_ScoreBase(), hiddenScoreServerValue(g_SelServer), g_SelName);
  return hiddenScoreFromPage(fetchPage(url));
}

Text fetchSummonerPage() {
  return fetchPage(summonerPageUrl(Site_StatsBase(), g_SelSummonerId));
}
