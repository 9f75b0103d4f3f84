// The compiler output splitter against the one that searched its whole
// buffer after every read: the same lines for any output and any sizes of
// the pieces in which the output arrives.
#include <gtest/gtest.h>

#include <random>

#include "oracle/literal_line_splitter.h"
#include "text/line_splitter.h"

namespace sparlin {
namespace {

// Hands out `output` in pieces of random sizes, like a pipe.
class PipeStandIn {
 public:
  PipeStandIn(const std::string& output, uint64_t seed) : output_(output), random_(seed) {}
  size_t operator()(char* chunk, size_t size) {
    size_t piece = std::min({size, output_.size() - at_, static_cast<size_t>(1 + random_() % 5000)});
    output_.copy(chunk, piece, at_);
    at_ += piece;
    return piece;
  }

 private:
  const std::string& output_;
  std::mt19937_64 random_;
  size_t at_ = 0;
};

template <typename Splitter>
std::vector<std::string> AllLines(const std::string& output, uint64_t seed) {
  Splitter splitter;
  PipeStandIn pipe(output, seed);
  std::vector<std::string> lines;
  std::string line;
  while (splitter.NextLine(line, std::ref(pipe))) lines.push_back(line);
  EXPECT_FALSE(splitter.NextLine(line, std::ref(pipe)));  // stays used up
  return lines;
}

TEST(LineSplitterDifferential, SameLinesForRandomOutputInRandomPieces) {
  std::mt19937_64 random(7);
  for (int round = 0; round < 200; ++round) {
    std::string output;
    size_t pieces = random() % 40;
    for (size_t i = 0; i < pieces; ++i) {
      switch (random() % 5) {
        case 0: output += "\r\n"; break;
        case 1: output += "\n"; break;
        case 2: output += "\r"; break;
        case 3: output += std::string(random() % 20000, 'x'); break;  // lines longer than one read
        default: output += "Line " + std::to_string(random() % 1000); break;
      }
    }
    SCOPED_TRACE(round);
    uint64_t seed = random();
    ASSERT_EQ(AllLines<LineSplitter>(output, seed), AllLines<oracle::LiteralLineSplitter>(output, seed));
  }
}

}  // namespace
}  // namespace sparlin
