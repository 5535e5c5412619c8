// Renders DetailWindow for a ranked player with an avatar, on the real
// widgets, and saves it as a PNG picture:
//   QT_QPA_PLATFORM=offscreen detail_screenshot <avatar picture> <out.png>
// The player's pages come from a small site on 127.0.0.1 of this program.
#include <QApplication>
#include <QFile>
#include <QTimer>

#include <cstdio>

#include "app/program.h"
#include "app/search_window.h"
#include "app/site_addresses.h"
#include "app/toolkit.h"
#include "detail/detail_handlers.h"
#include "detail/detail_window.h"
#include "detail/tests/fixture_pages.h"
#include "detail/tests/loopback_site.h"
#include "text/literal.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: detail_screenshot <avatar picture> <out.png>\n");
    return 2;
  }
  QApplication app(argc, argv);
  QFile avatarFile(QString::fromLocal8Bit(argv[1]));
  if (!avatarFile.open(QIODevice::ReadOnly)) return 1;
  const std::string avatar = avatarFile.readAll().toStdString();

  RequestLog log;
  LoopbackSite stats("stats", log), score("score", log);
  stats.setHandler([&avatar](const httplib::Request& request, httplib::Response& response) {
    if (request.path.starts_with("/img/")) {
      response.set_content(avatar, "image/png");
    } else if (request.path.starts_with("/db/birth/")) {
      response.set_content(fixture::birthdayPage("1994-08-21"), "text/html; charset=utf-8");
    } else {
      response.set_content(fixture::summonerPage(), "text/html; charset=utf-8");
    }
  });
  score.setHandler([](const httplib::Request&, httplib::Response& response) {
    response.set_content(fixture::hiddenScorePage("1520"), "text/html; charset=utf-8");
  });
  Site_UseAddresses(Text(stats.base()), Text(score.base()));

  g_SelSummonerId = Text("4090067");
  g_SelName = Literal_ToText("暗夜猎手");
  g_SelServer = Literal_ToText("班德尔城 电信四");
  g_SelTier = Literal_ToText("白银II");
  g_SelPoints = Literal_ToText("86点");
  g_SelAvatarUrl = Text(stats.base() + "/img/a.png");
  g_SelLevelBadge = Text("30");

  Window_Open(SearchWindow);
  DetailWindow.bind(WindowEvent::Created, OnDetailWindowCreated);
  DetailWindow.bind(WindowEvent::Destroying, OnDetailWindowDestroying);
  bool saved = false;
  QTimer poll;
  poll.setInterval(10);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget* detail = DetailWindow.widget();
    if (detail == nullptr || !detail->isVisible() || saved) return;
    saved = detail->grab().save(QString::fromLocal8Bit(argv[2]), "PNG");
    detail->close();
  });
  poll.start();
  Window_OpenModal(DetailWindow);
  return saved ? 0 : 1;
}
