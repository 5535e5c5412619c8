// Process start to SearchWindow shown (whole processes, offscreen) beside an
// empty Qt window of the same size with a 6-column table, and the peak
// memory of the tool after a 10,000-row search.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/app/page_server.h"

extern char** environ;

namespace {

void runProbe(benchmark::State& state, const char* mode) {
  for (auto _ : state) {
    char probe[] = PELLUMAR_STARTUP_PROBE;
    std::string modeArg(mode);
    char* argv[] = {probe, modeArg.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, probe, nullptr, nullptr, argv, environ) != 0) {
      state.SkipWithError("cannot start the probe");
      return;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("probe failed");
  }
}

void EmptyQtWindowWithTable(benchmark::State& state) {
  runProbe(state, "baseline");
}
void ToolUntilSearchWindowShown(benchmark::State& state) {
  runProbe(state, "tool");
}

void PeakMemoryAfter10000RowSearch(benchmark::State& state) {
  PageServer pages({10000});
  std::string command = std::string(PELLUMAR_STARTUP_PROBE) + " memory '" + pages.url(10000) + "'";
  long kib = 0;
  long long lines = 0;
  for (auto _ : state) {
    if (FILE* out = popen(command.c_str(), "r")) {
      if (std::fscanf(out, "%ld %lld", &kib, &lines) != 2) kib = 0;
      pclose(out);
    }
  }
  state.counters["peak_MiB"] = static_cast<double>(kib) / 1024.0;
  state.counters["lines"] = static_cast<double>(lines);
}

BENCHMARK(EmptyQtWindowWithTable)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(ToolUntilSearchWindowShown)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(PeakMemoryAfter10000RowSearch)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
