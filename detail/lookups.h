// The three page requests of the detail window, each reading the
// selected-player record and answering the empty Text when the request fails
// or the page lacks its marker.
#pragma once

#include "text/text.h"

// The birthday shown on the birthday page of g_SelSummonerId.
Text Lookup_Birthday();
// The hidden score of g_SelName on the server named by g_SelServer.
Text Lookup_HiddenScore();
// The summoner page of g_SelSummonerId, in code page 936.
Text fetchSummonerPage();
