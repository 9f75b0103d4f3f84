// Times every case of the table (CPU time of the thread): the median of several runs, MB/s, and the
// ratio to one memchr line pass over the same text, measured in this run.
// Usage: sparlin_bench [RUNS] [NAME-FILTER]
//        sparlin_bench --write-assembly FOLDER MEGABYTES   (the generated input as files,
//        FOLDER/PureBasic.asm and FOLDER/PureLibraries/, for timing sparlin-cli itself)
//        sparlin_bench --write-source FILE MEGABYTES   (a generated preprocessed source)
//        sparlin_bench --e2e SPARLIN-CLI [RUNS] [NAME-FILTER]   (sparlin-cli itself, between the
//        progress points of its trace; see e2e_bench.cpp)
#include <algorithm>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench/bench_cases.h"
#include "bench/e2e_bench.h"

namespace {

// CPU time of this thread: on a machine shared with other work, wall time
// would also count the time the thread waits for a core.
double ThreadSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double Seconds(const std::function<void()>& operation) {
  double start = ThreadSeconds();
  operation();
  return ThreadSeconds() - start;
}

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

volatile size_t g_lines = 0;

// The yardstick: find every line end of the text with memchr.
void MemchrLinePass(const std::string& text) {
  size_t lines = 0;
  const char* at = text.data();
  const char* end = at + text.size();
  while (const void* eol = std::memchr(at, '\n', static_cast<size_t>(end - at))) {
    ++lines;
    at = static_cast<const char*>(eol) + 1;
  }
  g_lines = lines;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "--write-assembly") == 0) {
    return sparlin::bench::WriteGeneratedInstallation(argv[2], static_cast<size_t>(std::atof(argv[3]) * 1e6)) ? 0 : 1;
  }
  if (argc == 4 && std::strcmp(argv[1], "--write-source") == 0) {
    return sparlin::bench::WriteGeneratedSource(argv[2], static_cast<size_t>(std::atof(argv[3]) * 1e6)) ? 0 : 1;
  }
  if (argc >= 4 && std::strcmp(argv[1], "--peak-of") == 0) return sparlin::bench::RunMeasuringPeak(argv[2], argv + 3);
  if (argc >= 3 && std::strcmp(argv[1], "--e2e") == 0) {
    return sparlin::bench::RunEndToEnd(argv[2], argc > 3 ? std::max(1, std::atoi(argv[3])) : 5, argc > 4 ? argv[4] : "");
  }
  int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
  const char* filter = argc > 2 ? argv[2] : "";
  std::printf("%-42s %9s %11s %9s %11s %8s\n", "case", "MB", "median ms", "MB/s", "memchr ms", "ratio");
  for (const auto& c : sparlin::bench::AllCases()) {
    if (c.name.find(filter) == std::string::npos) continue;
    std::string text = c.make_text();
    if (text.empty()) {
      std::printf("%-42s skipped: no input\n", c.name.c_str());
      continue;
    }
    std::function<void()> operation = c.prepare(text);
    // The operation and the yardstick take turns, so that both see the same
    // load of the machine.
    std::vector<double> times, baselines;
    for (int i = 0; i < runs; ++i) {
      times.push_back(Seconds(operation));
      baselines.push_back(Seconds([&] { MemchrLinePass(text); }));
    }
    double seconds = Median(times);
    double baseline = Median(baselines);
    double mb = static_cast<double>(text.size()) / 1e6;
    std::printf("%-42s %9.2f %11.2f %9.1f %11.3f %8.1f\n", c.name.c_str(), mb, seconds * 1e3, mb / seconds,
                baseline * 1e3, seconds / baseline);
    std::fflush(stdout);
  }
  return 0;
}
