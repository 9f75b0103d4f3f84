// A fuzz target's entry function. In the libFuzzer build it is
// LLVMFuzzerTestOneInput (one target per program); in the normal test build it
// is registered under the target's name, so that one test program can replay
// every target's seeds and crash inputs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

namespace sparlin::fuzz {

using Entry = int (*)(const uint8_t* data, size_t size);

// Target name (the folder name under corpus/ and crashes/) -> entry.
inline std::map<std::string, Entry>& Targets() {
  static std::map<std::string, Entry> targets;
  return targets;
}

inline bool Register(const char* name, Entry entry) {
  Targets()[name] = entry;
  return true;
}

// A broken promise of the code under test: reported like a crash, so that
// libFuzzer keeps the input.
[[noreturn]] inline void Fail(const char* condition, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: fuzz check failed: %s\n", file, line, condition);
  std::abort();
}

}  // namespace sparlin::fuzz

#define SPARLIN_FUZZ_CHECK(condition) \
  ((condition) ? (void)0 : ::sparlin::fuzz::Fail(#condition, __FILE__, __LINE__))

#ifdef SPARLIN_LIBFUZZER
#define SPARLIN_FUZZ_TARGET(name) extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
#else
#define SPARLIN_FUZZ_TARGET(name)                                                        \
  static int FuzzEntry_##name(const uint8_t* data, size_t size);                         \
  [[maybe_unused]] static const bool fuzz_registered_##name =                            \
      ::sparlin::fuzz::Register(#name, &FuzzEntry_##name);                               \
  static int FuzzEntry_##name(const uint8_t* data, size_t size)
#endif
