// Filling DetailWindow on loopback (avatar, birthday, hidden score and
// summoner page: four requests, the scrapes and the captions) beside four
// plain libcurl GETs of the same four addresses, in the same run.
#include <benchmark/benchmark.h>
#include <curl/curl.h>

#include <QApplication>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/program.h"
#include "app/site_addresses.h"
#include "app/toolkit.h"
#include "detail/detail_handlers.h"
#include "detail/detail_window.h"
#include "detail/tests/fixture_pages.h"
#include "detail/tests/loopback_site.h"
#include "text/literal.h"

namespace {

struct Sites {
  RequestLog log;
  LoopbackSite stats{"stats", log};
  LoopbackSite score{"score", log};
  std::string avatar = fixture::pngPicture(64, 64);

  Sites() {
    stats.setHandler([this](const httplib::Request& request, httplib::Response& response) {
      if (request.path.starts_with("/img/")) {
        response.set_content(avatar, "image/png");
      } else if (request.path.starts_with("/db/birth/")) {
        response.set_content(fixture::birthdayPage("1990-05-17"), "text/html; charset=utf-8");
      } else {
        response.set_content(fixture::summonerPage(), "text/html; charset=utf-8");
      }
    });
    score.setHandler([](const httplib::Request&, httplib::Response& response) {
      response.set_content(fixture::hiddenScorePage("1520"), "text/html; charset=utf-8");
    });
    Site_UseAddresses(Text(stats.base()), Text(score.base()));
    g_SelSummonerId = Text("12");
    g_SelName = Literal_ToText("张三");
    g_SelServer = Literal_ToText("电信十");
    g_SelTier = Literal_ToText("黄金III");
    g_SelPoints = Literal_ToText("45点");
    g_SelAvatarUrl = Text(stats.base() + "/img/12.png");
    g_SelLevelBadge = Text("30");
  }

  std::vector<std::string> addresses() const {
    return {stats.base() + "/img/12.png", stats.base() + "/db/birth/12.html",
            score.base() + "/rank.php?server=14&name=%E5%BC%A0%E4%B8%89&result=true",
            stats.base() + "/db/summoner/12.html"};
  }
};

Sites& sites() {
  static Sites instance;
  return instance;
}

std::size_t collect(char* data, std::size_t size, std::size_t count, void* out) {
  static_cast<std::string*>(out)->append(data, size * count);
  return size * count;
}

void BM_FourPlainCurlGets(benchmark::State& state) {
  const auto addresses = sites().addresses();
  for (auto _ : state) {
    for (const std::string& address : addresses) {
      std::string body;
      CURL* curl = curl_easy_init();
      curl_easy_setopt(curl, CURLOPT_URL, address.c_str());
      curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, collect);
      curl_easy_setopt(curl, CURLOPT_WRITEDATA, &body);
      curl_easy_perform(curl);
      curl_easy_cleanup(curl);
      benchmark::DoNotOptimize(body);
    }
  }
}
BENCHMARK(BM_FourPlainCurlGets)->Unit(benchmark::kMicrosecond);

// The created handler on a live DetailWindow: everything it does but the
// window's creation, which the comparison leaves out.
void BM_DetailWindowFill(benchmark::State& state) {
  sites();
  DetailWindow.unbindAll();
  Window_Open(DetailWindow);
  for (auto _ : state) OnDetailWindowCreated();
  if (QWidget* window = DetailWindow.widget()) window->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  sites().log.take();
}
BENCHMARK(BM_DetailWindowFill)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  curl_global_init(CURL_GLOBAL_DEFAULT);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
