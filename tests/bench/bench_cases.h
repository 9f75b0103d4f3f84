// The benchmark's table of named cases. A case makes its input text once and
// gives the operation to time on it; the text's size gives the MB/s, and a
// memchr line pass over the same text is the yardstick.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace sparlin::bench {

// The seed of the generated sources: one that gives many macro blocks.
constexpr uint64_t kSourceSeed = 4;

struct BenchCase {
  std::string name;
  // The text the operation works on, as bytes (empty: the case is skipped).
  std::function<std::string()> make_text;
  // Prepares what the operation needs from the text (outside the timing) and
  // returns the operation to time.
  std::function<std::function<void()>(const std::string& text)> prepare;
};

std::vector<BenchCase> AllCases();
// The assembly stage on generated assembly: pruning alone and the whole rewrite.
std::vector<BenchCase> PruningCases();
// Writes the generated assembly of about `bytes` and its library files into
// `folder` (PureBasic.asm, PureLibraries/).
bool WriteGeneratedInstallation(const std::string& folder, size_t bytes);
// Writes the generated preprocessed source of about `bytes` to `file`.
bool WriteGeneratedSource(const std::string& file, size_t bytes);

}  // namespace sparlin::bench
