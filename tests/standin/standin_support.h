// Running the stand-in compiler and its output programs from the tests. The
// installation folder comes from SPARLIN_STANDIN_INSTALL, which CTest sets;
// without it the tests are skipped.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/os_calls.h"
#include "platform/platform.h"
#include "text/ustring.h"

namespace sparlin::testing::standin {

inline std::filesystem::path InstallFolder() {
  const char* value = std::getenv("SPARLIN_STANDIN_INSTALL");
  return value && *value ? std::filesystem::path(value) : std::filesystem::path();
}

inline std::filesystem::path CompilerPath() { return InstallFolder() / "Compilers" / "pbcompiler.exe"; }

inline std::filesystem::path ExamplesFolder() { return std::filesystem::path(SPARLIN_SOURCE_DIR) / "examples"; }
inline std::filesystem::path CorpusFolder() { return std::filesystem::path(SPARLIN_CORPUS_DIR); }

inline UString PathU(const std::filesystem::path& path) {
  std::u8string text = path.u8string();
  return DecodeUtf8(std::string(text.begin(), text.end()));
}

inline std::string Quote(const std::filesystem::path& path) {
  std::u8string text = path.u8string();
  return "\"" + std::string(text.begin(), text.end()) + "\"";
}

struct RunResult {
  uint32_t exit_code = 0xFFFFFFFFu;
  std::string output;  // standard output, lines joined with "\n"
};

inline RunResult RunProgram(const std::filesystem::path& program, const std::string& parameters,
                            const std::filesystem::path& folder) {
  platform::ProcessOptions options;
  options.program = PathU(program);
  options.parameters = DecodeUtf8(parameters);
  options.working_folder = PathU(folder);
  options.capture_stdout = true;
  RunResult result;
  std::unique_ptr<platform::Process> process = platform::StartProcess(options);
  if (!process) return result;
  std::string line;
  while (process->ReadLine(line)) result.output += line + "\n";
  result.exit_code = process->Wait();
  return result;
}

inline RunResult RunCompiler(const std::string& parameters, const std::filesystem::path& folder) {
  return RunProgram(CompilerPath(), parameters, folder);
}

inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

// Sets an environment variable for the children started while it lives.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    const char* old = std::getenv(name);
    had_ = old != nullptr;
    if (had_) old_ = old;
    Set(value);
  }
  ~ScopedEnv() { had_ ? Set(old_.c_str()) : Set(nullptr); }

 private:
  void Set(const char* value) {
#ifdef _WIN32
    _putenv_s(name_, value ? value : "");
#else
    value ? setenv(name_, value, 1) : unsetenv(name_);
#endif
  }
  const char* name_;
  bool had_ = false;
  std::string old_;
};

// Lines of a text split at "\n" (a "\r" before it is dropped).
inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// Copies an example folder into `into` and runs the first two compiler runs
// the way Sparlin does: "/PREPROCESS", the IDE options appended again, then
// "/COMMENTED" with the given switches. Leaves PureBasic.asm in `into`.
inline RunResult CompileExample(const std::string& example, const std::string& main,
                                const std::filesystem::path& into, const std::string& switches) {
  namespace fs = std::filesystem;
  fs::copy(ExamplesFolder() / example, into, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  fs::path source = into / (main + ".pb");
  fs::path flat = into / (main + "_Sparl.pb");
  RunResult run = RunCompiler(Quote(source) + " /PREPROCESS " + Quote(flat), into);
  if (run.exit_code != 0) return run;
  std::string text = ReadBytes(source);
  size_t footer = text.find("; IDE Options =");
  if (footer != std::string::npos) WriteBytes(flat, ReadBytes(flat) + text.substr(footer) + "\r\n");
  return RunCompiler(Quote(flat) + " /COMMENTED" + switches, into);
}

inline RunResult Reassemble(const std::filesystem::path& folder, const std::string& output,
                            const std::string& switches = "") {
  return RunCompiler(Quote(folder / "PureBasic.asm") + " /REASM" + switches + " /EXE " + Quote(folder / output),
                     folder);
}

// The header of an assembly text: every line up to and including the
// object-format line.
inline std::string AssemblyHeader(const std::string& assembly) {
  size_t format = assembly.find("\nformat ");
  return assembly.substr(0, assembly.find('\n', format + 1) + 1);
}

// The lines of a text that begin with `prefix`, each followed by "\n".
inline std::string LinesStartingWith(const std::string& text, const std::string& prefix) {
  std::string out;
  for (const std::string& line : Lines(text))
    if (line.rfind(prefix, 0) == 0) out += line + "\n";
  return out;
}

}  // namespace sparlin::testing::standin

#define SKIP_WITHOUT_STANDIN()                                                   \
  if (::sparlin::testing::standin::InstallFolder().empty())                     \
  GTEST_FAIL() << "SPARLIN_STANDIN_INSTALL is not set: no stand-in compiler to run"
