// The end-to-end benchmark of sparlin-cli (see e2e_bench.cpp).
#pragma once

#include <string>

namespace sparlin::bench {

// Times `cli` on generated inputs, `runs` times per case whose name holds
// `filter`, and prints one row per case; non-zero when `cli` is missing.
int RunEndToEnd(const std::string& cli, int runs, const std::string& filter);

// Runs `argv` (a null-terminated list, argv[0] a path), writes its peak
// memory in KB to `peak_file` and returns its exit code.
int RunMeasuringPeak(const std::string& peak_file, char** argv);

}  // namespace sparlin::bench
