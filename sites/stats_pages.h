// The pages of the statistics site. The tool cuts its values out of these
// pages with fixed markers, so their shape is an interface:
// - search page: the result table is the page's first <tbody>; each player is
//   one bare <tr> whose links all end in .html"> and whose first link points
//   to summoner/<id>.html; the link texts are the avatar <img>, the name, the
//   server, the tier (ranked players only), the points and a last text;
// - summoner page: <strong>战斗力</strong><strong class="num">N</strong>, and as the
//   first <tbody> four bare <tr> rows of bare <td> cells: classic and all
//   random with five cells, ranked S6 and S5 with seven (tier and points);
// - birthday page: <span class="time fwr f30">YYYY-MM-DD</span>.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sites/site_database.h"

std::string homePage();
// avatarBase: scheme and host the avatar addresses start with, e.g.
// "http://127.0.0.1:18360".
std::string searchPage(std::string_view name, const std::vector<PlayerSummary>& players,
                       std::string_view avatarBase);
std::string summonerPage(const PlayerProfile& profile);
std::string birthdayPage(const PlayerProfile& profile);
