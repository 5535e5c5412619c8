#include "detail/detail_handlers.h"

#include "app/program.h"
#include "app/search_window.h"
#include "app/toolkit.h"
#include "detail/detail_window.h"
#include "detail/lookups.h"
#include "detail/summoner_page.h"
#include "http/download.h"
#include "text/literal.h"

namespace {

void setCaption(const char* label, const Text& text) {
  Control_SetText(DetailWindow.control(label), text);
}

}  // namespace

void OnResultDoubleClicked() {
  const Control list = SearchWindow.control("超级列表框1");
  // The selection is read anew for every column; nothing runs in between,
  // so all six reads see the same line (or none: then every read is empty).
  const auto selectedCell = [&list](std::int64_t column) {
    return List_GetCell(list, List_Selection(list), column);
  };
  g_SelName = selectedCell(1);
  g_SelServer = selectedCell(2);
  g_SelAvatarUrl = selectedCell(5);
  g_SelTier = selectedCell(3);
  g_SelPoints = Text_Concat(selectedCell(4), "点"_gbk);
  g_SelSummonerId = selectedCell(0);
  g_SelLevelBadge = Text_Compare(g_SelTier, "无段位"_gbk) == 0 ? Text("null") : Text("30");
  Window_OpenModal(DetailWindow);
}

void OnDetailWindowCreated() {
  static const Text badgeShown("30");
  Control_SetVisible(SearchWindow, false);
  Control_SetPicture(DetailWindow.control("图片框_头像"), Download_Bytes(g_SelAvatarUrl));
  setCaption("标签_ID", g_SelName);
  setCaption("标签_段位", Text_Concat(g_SelTier, Text("  "), g_SelPoints));
  setCaption("标签_服务器", g_SelServer);
  setCaption("标签_生日", Lookup_Birthday());
  setCaption("标签_隐藏分", Lookup_HiddenScore());
  const Control badge = DetailWindow.control("标签4");
  if (Text_Compare(g_SelLevelBadge, badgeShown) == 0) {
    Control_SetVisible(badge, true);
    Control_SetText(badge, g_SelLevelBadge);
  } else {
    Control_SetVisible(badge, false);
  }
  for (const LabelWrite& write : summonerPageLabels(fetchSummonerPage())) {
    setCaption(write.label, write.text);
  }
}

void OnDetailWindowDestroying() {
  Control_SetVisible(SearchWindow, true);
}
