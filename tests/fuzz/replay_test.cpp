// Replays every fuzz target over its seed corpus (corpus/<target>/) and over
// every crash input the fuzzers found (crashes/<target>/), one test per
// target. A crash, a failed check or a sanitizer report fails the run.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "fuzz/fuzz_target.h"

namespace fs = std::filesystem;

namespace {

const fs::path kFuzzDir = SPARLIN_FUZZ_DIR;

std::vector<fs::path> InputsOf(const fs::path& folder) {
  std::vector<fs::path> inputs;
  if (!fs::is_directory(folder)) return inputs;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.is_regular_file() && entry.path().filename() != ".gitkeep") inputs.push_back(entry.path());
  }
  return inputs;
}

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class ReplayTest : public testing::Test {
 public:
  ReplayTest(std::string name, sparlin::fuzz::Entry entry) : name_(std::move(name)), entry_(entry) {}

  void TestBody() override {
    std::vector<fs::path> seeds = InputsOf(kFuzzDir / "corpus" / name_);
    EXPECT_FALSE(seeds.empty()) << "no seed corpus for " << name_;
    std::vector<fs::path> inputs = InputsOf(kFuzzDir / "crashes" / name_);
    inputs.insert(inputs.end(), seeds.begin(), seeds.end());
    for (const fs::path& path : inputs) {
      SCOPED_TRACE(path.string());
      std::string bytes = ReadBytes(path);
      EXPECT_EQ(entry_(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()), 0);
    }
  }

 private:
  std::string name_;
  sparlin::fuzz::Entry entry_;
};

// A corpus or crash folder whose name matches no target would never be replayed.
TEST(FuzzReplay, EveryInputFolderNamesATarget) {
  for (const char* kind : {"corpus", "crashes"}) {
    if (!fs::is_directory(kFuzzDir / kind)) continue;
    for (const auto& entry : fs::directory_iterator(kFuzzDir / kind)) {
      if (!entry.is_directory()) continue;
      EXPECT_EQ(sparlin::fuzz::Targets().count(entry.path().filename().string()), 1u) << entry.path();
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  for (const auto& [name, entry] : sparlin::fuzz::Targets()) {
    testing::RegisterTest("FuzzReplay", name.c_str(), nullptr, nullptr, __FILE__, __LINE__,
                          [name = name, entry = entry]() -> testing::Test* { return new ReplayTest(name, entry); });
  }
  return RUN_ALL_TESTS();
}
