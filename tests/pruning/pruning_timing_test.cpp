// Timing of the pruning on large generated inputs, printed beside one memchr
// line pass over the same text as UTF-8. Disabled: run it by hand with
//   build/tests/sparlin_tests --gtest_also_run_disabled_tests --gtest_filter='PruningTiming*'
// It prints and never asserts.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstring>

#include "generators/assembly_generator.h"
#include "oracle/literal_pruning.h"
#include "pruning/uncalled_removal.h"

namespace sparlin {
namespace {

constexpr char16_t kFolder[] = u"L:\\";

// The thread's processor time: on a machine shared with other work it
// varies far less than the wall clock.
double CpuSeconds() {
#ifdef _WIN32
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
#else
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
#endif
}

double Seconds(double start) { return CpuSeconds() - start; }

template <typename Pass>
double Median(int runs, Pass&& pass) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) times.push_back(pass());
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

double MemchrLinePass(const std::string& utf8) {
  double start = CpuSeconds();
  size_t lines = 0;
  const char* at = utf8.data();
  const char* end = at + utf8.size();
  while ((at = static_cast<const char*>(std::memchr(at, '\n', static_cast<size_t>(end - at)))) != nullptr) {
    ++lines;
    ++at;
  }
  double time = Seconds(start);
  EXPECT_GT(lines, 0u);
  return time;
}

double Prune(const UString& text, const std::vector<UString>& libraries, const std::map<UString, std::string>& files,
             bool plugins_by_extension, bool literal = false) {
  PruningSettings settings;
  settings.is_64_bit = true;
  settings.remove_plugins_by_extension = plugins_by_extension;
  PruningIo io;
  io.read_file = [&](const UString& path, std::string& bytes) {
    auto found = files.find(path.substr(3));
    if (found == files.end()) return false;
    bytes = found->second;
    return true;
  };
  io.log = [](const UString&) {};
  io.progress = [](int) {};
  io.beep = [] {};
  std::vector<UString> list = libraries;
  UString copy = text;
  double start = CpuSeconds();
  if (literal) {
    oracle::LiteralRemoveUncalledLibraries(list, std::move(copy), kFolder, settings, io);
  } else {
    RemoveUncalledLibraries(list, EncodeUtf8(copy), kFolder, settings, io);
  }
  return Seconds(start);
}

TEST(PruningTiming, DISABLED_LargeGeneratedAssembly) {
  for (size_t megabytes : {1, 10, 50}) {
    testing::AssemblyShape shape;
    shape.seed = 7;
    shape.bytes = megabytes << 20;
    shape.symbols = 3000;
    shape.libraries = 80;
    testing::GeneratedAssembly generated = testing::GenerateAssembly(shape);
    std::string utf8 = EncodeUtf8(generated.text);
    size_t symbols = 0;
    for (const auto& [name, bytes] : generated.library_files) symbols += std::count(bytes.begin(), bytes.end(), '(');
    double memchr_time = Median(5, [&] { return MemchrLinePass(utf8); });
    double copy_time = Median(5, [&] {
      double start = CpuSeconds();
      UString copy = generated.text;
      double time = Seconds(start);
      EXPECT_EQ(copy.size(), generated.text.size());
      return time;
    });
    double prune_time =
        Median(3, [&] { return Prune(generated.text, generated.libraries, generated.library_files, false); });
    double with_plugins_time =
        Median(3, [&] { return Prune(generated.text, generated.libraries, generated.library_files, true); });
    std::printf("%3zu MB (%zu bytes UTF-8, %zu symbols, %zu library files): memchr %.2f ms, copy of the UTF-16 text "
                "%.2f ms, pruning %.2f ms (%.0f MB/s, %.1fx memchr), with ImgPlugin %.2f ms (%.1fx memchr)\n",
                megabytes, utf8.size(), symbols, generated.library_files.size(), memchr_time * 1e3, copy_time * 1e3,
                prune_time * 1e3,
                static_cast<double>(utf8.size()) / 1e6 / prune_time, prune_time / memchr_time,
                with_plugins_time * 1e3, with_plugins_time / memchr_time);
  }
}

TEST(PruningTiming, DISABLED_LibraryFileOf40000Names) {
  std::vector<std::string> names;
  UString text = u"; Big\r\nformat MS64 COFF\r\n";
  for (int i = 0; i < 40000; ++i) {
    names.push_back("Name" + std::to_string(i));
    if (i % 2 == 0) text += u"extrn PB_Name" + DecodeUtf8(std::to_string(i)) + u"\r\n";
  }
  std::map<UString, std::string> files = {{u"Big", testing::LibraryFileBytes(names)}};
  double time = Median(3, [&] { return Prune(text, {u"Big"}, files, false); });
  std::printf("library file of 40000 names: pruning %.2f ms\n", time * 1e3);
}

// The literal pruning of the tests' oracle on the 1 MB input, for comparison.
TEST(PruningTiming, DISABLED_LiteralPruningOfOneMegabyte) {
  testing::AssemblyShape shape;
  shape.seed = 7;
  shape.bytes = 1 << 20;
  shape.symbols = 3000;
  shape.libraries = 80;
  testing::GeneratedAssembly generated = testing::GenerateAssembly(shape);
  double fast = Prune(generated.text, generated.libraries, generated.library_files, false);
  double literal = Prune(generated.text, generated.libraries, generated.library_files, false, true);
  std::printf("1 MB: pruning %.2f ms, literal pruning %.2f ms\n", fast * 1e3, literal * 1e3);
}

}  // namespace
}  // namespace sparlin
