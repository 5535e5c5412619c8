// The search click on 50-, 1,000- and 10,000-row pages served on loopback,
// split into its stages (request, conversion, scrape, list fill) and whole,
// beside a plain libcurl GET of the same page and a Python script doing
// requests.get with str.find on it.
#include <benchmark/benchmark.h>
#include <curl/curl.h>

#include <QApplication>
#include <QLineEdit>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/program.h"
#include "app/search_command.h"
#include "app/search_row.h"
#include "app/search_window.h"
#include "app/site_addresses.h"
#include "bench/app/page_server.h"
#include "http/http_request.h"
#include "text/codec.h"
#include "text/markers.h"

namespace {

PageServer* server = nullptr;

// The scrape of the search command without the list: rows, then each row's line.
std::vector<SearchLine> scrape(const Text& page) {
  TextArray rows;
  TextArray links;
  Text_BetweenAll(Text_Between(page, Text("<tbody>"), Text("</tbody>")), Text("<tr>"),
                  Text("</tr>"), rows);
  std::vector<SearchLine> lines;
  lines.reserve(static_cast<std::size_t>(TextArray_Count(rows)));
  for (const Text& row : rows.items()) lines.push_back(SearchRow_ToLine(row, links));
  return lines;
}

std::size_t collect(char* data, std::size_t size, std::size_t count, void* sink) {
  static_cast<std::string*>(sink)->append(data, size * count);
  return size * count;
}

void PlainCurlGet(benchmark::State& state) {
  std::string url = server->url(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    std::string body;
    CURL* curl = curl_easy_init();
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, collect);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &body);
    curl_easy_perform(curl);
    curl_easy_cleanup(curl);
    benchmark::DoNotOptimize(body.data());
  }
}

void Request(benchmark::State& state) {
  Text url(server->url(static_cast<int>(state.range(0))));
  for (auto _ : state) benchmark::DoNotOptimize(Http_Request(url).size());
}

void Conversion(benchmark::State& state) {
  ByteSet body(server->page(static_cast<int>(state.range(0))));
  for (auto _ : state) benchmark::DoNotOptimize(Codec_Utf8ToAnsi(body).size());
}

void Scrape(benchmark::State& state) {
  Text page = Codec_Utf8ToAnsi(ByteSet(server->page(static_cast<int>(state.range(0)))));
  for (auto _ : state) benchmark::DoNotOptimize(scrape(page).size());
}

void ListFill(benchmark::State& state) {
  std::vector<SearchLine> lines =
      scrape(Codec_Utf8ToAnsi(ByteSet(server->page(static_cast<int>(state.range(0))))));
  Control list = SearchWindow.control("超级列表框1");
  for (auto _ : state) {
    List_Clear(list);
    for (const SearchLine& cells : lines) {
      std::int64_t line = List_AppendLine(list);
      for (int column : {0, 5, 1, 2, 3, 4}) List_SetCell(list, line, column, cells.columns[column]);
    }
    // The view's one notice of the new lines; the repaint is not part of the fill.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
  }
}

void WholeClick(benchmark::State& state) {
  qobject_cast<QLineEdit*>(SearchWindow.control("编辑框1").widget())
      ->setText(QString::number(state.range(0)));
  for (auto _ : state) {
    OnQueryClicked();
    // The view's notice of the new lines; it repaints once the click is over.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
  }
  state.counters["lines"] = static_cast<double>(TextArray_Count(g_ResultRows));
}

void PythonRequestsFind(benchmark::State& state) {
  int rows = static_cast<int>(state.range(0));
  int iterations = rows >= 10000 ? 5 : 20;
  std::string command = "python3 " PELLUMAR_PYTHON_SEARCH " '" + server->url(rows) + "' " +
                        std::to_string(iterations);
  double seconds = 0;
  if (FILE* out = popen(command.c_str(), "r")) {
    if (std::fscanf(out, "%lf", &seconds) != 1) seconds = 0;
    pclose(out);
  }
  if (seconds <= 0) {
    state.SkipWithError("python3 with requests did not run");
    return;
  }
  for (auto _ : state) state.SetIterationTime(seconds);
}

void Rows(benchmark::internal::Benchmark* b) {
  b->Arg(50)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
}

BENCHMARK(PlainCurlGet)->Apply(Rows);
BENCHMARK(Request)->Apply(Rows);
BENCHMARK(Conversion)->Apply(Rows);
BENCHMARK(Scrape)->Apply(Rows);
BENCHMARK(ListFill)->Apply(Rows);
BENCHMARK(WholeClick)->Apply(Rows);
BENCHMARK(PythonRequestsFind)->Apply(Rows)->UseManualTime()->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  curl_global_init(CURL_GLOBAL_DEFAULT);
  PageServer pages({50, 1000, 10000});
  server = &pages;
  Site_UseAddresses(Text(pages.base()), Site_ScoreBase());
  SearchWindow.bind(WindowEvent::Created, OnSearchWindowCreated);
  Window_Open(SearchWindow);

  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  SearchWindow.widget()->close();
  return 0;
}
