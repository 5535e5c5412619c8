// Fetching a 1 KB and a 430 KB body from a loopback server: the request
// routine and the download beside a plain libcurl GET that opens a fresh
// connection and writes into a buffer reserved for the body.
#include <benchmark/benchmark.h>
#include <curl/curl.h>
#include <httplib.h>

#include <string>
#include <thread>

#include "http/download.h"
#include "http/http_request.h"

namespace {

class BenchServer {
 public:
  BenchServer() {
    for (std::size_t size : {std::size_t{1024}, std::size_t{430 * 1024}}) {
      std::string body(size, 'x');
      for (std::size_t i = 0; i < size; i += 97) body[i] = static_cast<char>('a' + i % 26);
      server_.Get("/" + std::to_string(size),
                  [body](const httplib::Request&, httplib::Response& r) {
                    r.set_content(body, "text/html");
                  });
    }
    server_.set_tcp_nodelay(true);
    port_ = server_.bind_to_any_port("127.0.0.1");
    thread_ = std::thread([this] { server_.listen_after_bind(); });
    while (!server_.is_running()) std::this_thread::yield();
  }
  ~BenchServer() {
    server_.stop();
    thread_.join();
  }
  std::string url(std::int64_t size) const {
    return "http://127.0.0.1:" + std::to_string(port_) + "/" + std::to_string(size);
  }

 private:
  httplib::Server server_;
  int port_ = 0;
  std::thread thread_;
};

BenchServer& server() {
  static BenchServer s;
  return s;
}

std::size_t appendTo(char* data, std::size_t, std::size_t n, void* out) {
  static_cast<std::string*>(out)->append(data, n);
  return n;
}

void BM_PlainCurlGet(benchmark::State& state) {
  const std::string url = server().url(state.range(0));
  for (auto _ : state) {
    std::string body;
    body.reserve(static_cast<std::size_t>(state.range(0)));
    CURL* easy = curl_easy_init();
    curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
    curl_easy_setopt(easy, CURLOPT_PROXY, "");
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &appendTo);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &body);
    curl_easy_perform(easy);
    curl_easy_cleanup(easy);
    if (body.size() != static_cast<std::size_t>(state.range(0))) state.SkipWithError("short body");
    benchmark::DoNotOptimize(body);
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_HttpRequest(benchmark::State& state) {
  const Text url(server().url(state.range(0)));
  for (auto _ : state) {
    ByteSet body = Http_Request(url);
    if (body.size() != state.range(0)) state.SkipWithError("short body");
    benchmark::DoNotOptimize(body);
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_DownloadBytes(benchmark::State& state) {
  const Text url(server().url(state.range(0)));
  for (auto _ : state) {
    ByteSet body = Download_Bytes(url);
    if (body.size() != state.range(0)) state.SkipWithError("short body");
    benchmark::DoNotOptimize(body);
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_PlainCurlGet)->Arg(1024)->Arg(430 * 1024)->UseRealTime();
BENCHMARK(BM_HttpRequest)->Arg(1024)->Arg(430 * 1024)->UseRealTime();
BENCHMARK(BM_DownloadBytes)->Arg(1024)->Arg(430 * 1024)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
