// The end-to-end benchmark: the built sparlin-cli on generated inputs, timed
// between the progress points of its trace (wall time, as the user waits),
// each window beside one memchr line pass over the same file in the same run.
// The compiler is a shell script that only copies prepared files into place
// (and, for one case, prints a prepared output line), so every millisecond
// of a window is Sparlin's own.
#include "bench/e2e_bench.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "bench/bench_cases.h"
#include "generators/source_generator.h"
#include "support/temp_dir.h"

extern char** environ;

namespace sparlin::bench {
namespace {

namespace fs = std::filesystem;
constexpr size_t kMB = 1000 * 1000;

double Now() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

volatile size_t g_lines = 0;

// The yardstick: every line end of the file found with memchr; wall time.
double MemchrLinePass(const std::string& text) {
  double start = Now();
  size_t lines = 0;
  const char* at = text.data();
  const char* end = at + text.size();
  while (const void* eol = std::memchr(at, '\n', static_cast<size_t>(end - at))) {
    ++lines;
    at = static_cast<const char*>(eol) + 1;
  }
  g_lines = lines;
  return Now() - start;
}

// One run of a child process: the time each line of its standard error
// arrived, its wall time and its peak memory.
struct ChildRun {
  std::vector<std::pair<double, std::string>> lines;  // seconds since the start
  double seconds = 0;
  long peak_kb = 0;
  int status = -1;
};

// Runs `argv` in `cwd` with `env` added. Standard error is read line by
// line and standard output goes to /dev/null; with `read_stdout` standard
// output is read instead (and thrown away) and standard error is dropped.
ChildRun Spawn(const std::vector<std::string>& argv, const fs::path& cwd, const std::map<std::string, std::string>& env,
               bool read_stdout) {
  ChildRun run;
  int fds[2];
  if (pipe(fds) != 0) return run;
  std::vector<std::string> environment;
  for (char** e = environ; *e; ++e) {
    std::string entry = *e;
    if (!env.count(entry.substr(0, entry.find('=')))) environment.push_back(entry);
  }
  for (const auto& [key, value] : env) environment.push_back(key + "=" + value);
  std::vector<char*> envp, args;
  for (std::string& e : environment) envp.push_back(e.data());
  envp.push_back(nullptr);
  std::vector<std::string> argv_copy = argv;
  for (std::string& a : argv_copy) args.push_back(a.data());
  args.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addclose(&actions, fds[0]);
  if (read_stdout) {
    posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  } else {
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 2);
  }
  posix_spawn_file_actions_addclose(&actions, fds[1]);
  posix_spawn_file_actions_addchdir_np(&actions, cwd.c_str());
  double start = Now();
  pid_t pid = 0;
  int spawned = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  if (spawned != 0) {
    std::fprintf(stderr, "cannot start %s: %s\n", args[0], std::strerror(spawned));
    close(fds[0]);
    return run;
  }
  std::string pending;
  static char buffer[1 << 16];
  while (true) {
    ssize_t got = read(fds[0], buffer, sizeof buffer);
    if (got <= 0) break;
    if (read_stdout) continue;
    double at = Now() - start;
    pending.append(buffer, static_cast<size_t>(got));
    for (size_t eol; (eol = pending.find('\n')) != std::string::npos; pending.erase(0, eol + 1)) {
      run.lines.emplace_back(at, pending.substr(0, eol));
    }
  }
  close(fds[0]);
  waitpid(pid, &run.status, 0);
  run.seconds = Now() - start;
  return run;
}

// Seconds from the first "[progress FROM]" to the next "[progress TO]".
std::optional<double> Window(const ChildRun& run, int from, int to) {
  const std::string first = "[progress " + std::to_string(from) + "]";
  const std::string last = "[progress " + std::to_string(to) + "]";
  for (size_t i = 0; i < run.lines.size(); ++i) {
    if (run.lines[i].second != first) continue;
    for (size_t j = i + 1; j < run.lines.size(); ++j) {
      if (run.lines[j].second == last) return run.lines[j].first - run.lines[i].first;
    }
    return std::nullopt;
  }
  return std::nullopt;
}

// The folder of one benchmark: an installation whose compiler is a script,
// the work folder with the source, and the prepared files the script copies.
class Bench {
 public:
  explicit Bench(const std::string& cli) : cli_(fs::absolute(cli).string()) {
    install_ = dir_.path() / "PB";
    work_ = dir_.path() / "work";
    stage_ = dir_.path() / "stage";
    fs::create_directories(install_ / "Compilers");
    fs::create_directories(work_);
    fs::create_directories(stage_);
    // "$1" source, "$2" the switch, "$3" the preprocessed file.
    const std::string stage = stage_.string();
    WriteFile(compiler(), "#!/bin/sh\n"
                          "case \"$2\" in\n"
                          "  /PREPROCESS) if [ -f '" + stage + "/output' ]; then cat '" + stage + "/output'; fi\n"
                          "               cp '" + stage + "/source' \"$3\" ;;\n"
                          "  /COMMENTED) cp '" + stage + "/asm' '" + (work_ / "PureBasic.asm").string() + "' ;;\n"
                          "esac\n");
    fs::permissions(compiler(), fs::perms::owner_all);
    WriteFile(work_ / "prog.pb", "OpenConsole()\r\n");
    WriteFile(work_ / "prog8.pb", "\xEF\xBB\xBFOpenConsole()\r\n");
  }

  fs::path compiler() const { return install_ / "Compilers" / "pbcompiler.exe"; }
  const fs::path& install() const { return install_; }
  const fs::path& stage() const { return stage_; }

  // What the script hands over: the preprocessed file, the assembly file,
  // the output it prints (none when empty).
  void Prepare(const fs::path& source, const fs::path& assembly, const fs::path& output) {
    for (const char* name : {"source", "asm", "output"}) fs::remove(stage_ / name);
    if (!source.empty()) fs::create_symlink(source, stage_ / "source");
    if (!assembly.empty()) fs::create_symlink(assembly, stage_ / "asm");
    if (!output.empty()) fs::create_symlink(output, stage_ / "output");
  }

  // The peak memory of a child counts the memory of the process it was
  // started from (the kernel keeps the larger of the two at exec), so
  // sparlin-cli is started through a small process of its own that reports
  // it (RunMeasuringPeak).
  ChildRun RunCli(const std::vector<std::string>& settings, const std::string& source_name) {
    const fs::path peak_file = stage_ / "peak";
    std::vector<std::string> argv = {fs::read_symlink("/proc/self/exe").string(), "--peak-of", peak_file.string(),
                                     cli_, "--trace"};
    for (const std::string& s : settings) {
      argv.push_back("--set");
      argv.push_back(s);
    }
    argv.push_back((work_ / source_name).string());
    fs::remove(work_ / "Sparlin.ini");
    ChildRun run = Spawn(
        argv, work_, {{"PB_TOOL_Compiler", compiler().string()}, {"PB_TOOL_Executable", (work_ / "prog.exe").string()}},
        false);
    run.peak_kb = std::atol(ReadFile(peak_file).c_str());
    return run;
  }

  // The compiler script alone on the preprocess switch, its output read
  // through a pipe as Sparlin reads it.
  double CompilerAlone() {
    return Spawn({"/bin/sh", compiler().string(), "x", "/PREPROCESS", (stage_ / "alone.pb").string()}, work_, {}, true)
        .seconds;
  }

 private:
  std::string cli_;
  testing::TempDir dir_;
  fs::path install_, work_, stage_;
};

struct ProgressWindow {
  int from, to;
};

struct Case {
  std::string name;
  std::vector<std::string> settings;
  std::string source_name;    // prog.pb (no mark) or prog8.pb (UTF-8)
  fs::path source, assembly, output;
  fs::path measured;          // the file of the memchr pass
  ProgressWindow window;
  bool subtract_compiler = false;  // the window holds the compiler's run
};

struct Result {
  double median = 0;
  double memchr = 0;
  long peak_kb = 0;
  size_t bytes = 0;
  bool ok = false;
};

Result Measure(Bench& bench, const Case& c, int runs) {
  Result result;
  const std::string measured = ReadFile(c.measured);
  result.bytes = measured.size();
  bench.Prepare(c.source, c.assembly, c.output);
  std::vector<double> windows, baselines;
  for (int i = 0; i < runs; ++i) {
    ChildRun run = bench.RunCli(c.settings, c.source_name);
    std::optional<double> window = Window(run, c.window.from, c.window.to);
    if (!window || run.status != 0) {
      std::printf("%-46s failed (exit status %d, %zu trace lines)\n", c.name.c_str(), run.status, run.lines.size());
      return result;
    }
    if (c.subtract_compiler) *window -= bench.CompilerAlone();
    windows.push_back(*window);
    result.peak_kb = std::max(result.peak_kb, run.peak_kb);
    for (int k = 0; k < 3; ++k) baselines.push_back(MemchrLinePass(measured));
  }
  result.median = Median(windows);
  result.memchr = Median(baselines);
  result.ok = true;
  return result;
}

void Print(const Case& c, const Result& r) {
  if (!r.ok) return;
  std::printf("%-46s %6.1f %4d-%-3d %10.1f %9.2f %7.1f %8.0f %6.2f\n", c.name.c_str(), static_cast<double>(r.bytes) / 1e6,
              c.window.from, c.window.to, r.median * 1e3, r.memchr * 1e3, r.median / r.memchr,
              static_cast<double>(r.peak_kb) / 1e3, static_cast<double>(r.peak_kb) * 1e3 / static_cast<double>(r.bytes));
  std::fflush(stdout);
}

}  // namespace

int RunMeasuringPeak(const std::string& peak_file, char** argv) {
  pid_t pid = fork();
  if (pid == 0) {
    execv(argv[0], argv);
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (pid < 0 || wait4(pid, &status, 0, &usage) < 0) return 127;
  std::ofstream(peak_file) << usage.ru_maxrss;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
}

int RunEndToEnd(const std::string& cli, int runs, const std::string& filter) {
  if (cli.empty() || !fs::exists(cli)) {
    std::fprintf(stderr, "sparlin-cli not found: %s\n", cli.c_str());
    return 1;
  }
  Bench bench(cli);
  const fs::path stage = bench.stage();
  // The inputs, made once: generated assembly with its library files, the
  // same with one line that is not ASCII, a preprocessed source, one long
  // compiler output line.
  if (!WriteGeneratedInstallation(bench.install().string(), 50 * kMB)) return 1;
  const fs::path ascii_asm = stage / "ascii.asm";
  fs::rename(bench.install() / "PureBasic.asm", ascii_asm);
  {
    std::string text = ReadFile(ascii_asm);
    size_t middle = text.find('\n', text.size() / 2) + 1;
    text.insert(middle, "; Gr\xC3\xBC\xC3\x9F" "e aus K\xC3\xB6ln\r\n");
    WriteFile(stage / "other.asm", text);
  }
  WriteFile(stage / "source10.pb", generators::GeneratePreprocessedSource(10 * kMB, kSourceSeed));
  WriteFile(stage / "small.pb", "OpenConsole()\r\n");
  WriteFile(stage / "line.txt", std::string(50 * kMB, 'x') + "\n");

  const std::vector<std::string> source_only = {"CreatePB=1", "CreateASM=0", "CreateOUT=0"};
  auto with = [](std::vector<std::string> base, std::initializer_list<std::string> more) {
    base.insert(base.end(), more);
    return base;
  };
  const std::vector<std::string> asm_only = {"CreatePB=0", "CreateASM=1", "CreateOUT=0", "RemUncalled=1"};
  const std::vector<Case> cases = {
      {"library pruning, 50 MB assembly", asm_only, "prog.pb", {}, ascii_asm, {}, ascii_asm, {45, 66}},
      {"assembly rewrite, 50 MB ASCII", asm_only, "prog.pb", {}, ascii_asm, {}, ascii_asm, {37, 66}},
      {"assembly rewrite, 50 MB, one non-ASCII line", asm_only, "prog.pb", {}, stage / "other.asm", {},
       stage / "other.asm", {37, 66}},
      {"procedure removal, 10 MB source", with(source_only, {"RemMacro=0", "RemProcs=1"}), "prog.pb",
       stage / "source10.pb", {}, {}, stage / "source10.pb", {17, 33}},
      {"macro removal, 10 MB source", with(source_only, {"RemMacro=1", "RemProcs=0"}), "prog.pb",
       stage / "source10.pb", {}, {}, stage / "source10.pb", {17, 25}},
      {"procedure removal, 10 MB UTF-8 source (+enc)", with(source_only, {"RemMacro=0", "RemProcs=1"}), "prog8.pb",
       stage / "source10.pb", {}, {}, stage / "source10.pb", {17, 33}},
      {"compiler output, one 50 MB line (own time)", with(source_only, {"RemMacro=0", "RemProcs=0"}), "prog.pb",
       stage / "small.pb", {}, stage / "line.txt", stage / "line.txt", {0, 17}, true},
  };
  std::printf("%-46s %6s %8s %10s %9s %7s %8s %6s\n", "case (median of runs, wall time)", "MB", "window", "ms",
              "memchr ms", "ratio", "peak MB", "peak/MB");
  std::map<std::string, Result> results;
  for (const Case& c : cases) {
    if (c.name.find(filter) == std::string::npos) continue;
    Result r = Measure(bench, c, runs);
    Print(c, r);
    results[c.name] = r;
  }
  auto ascii = results.find("assembly rewrite, 50 MB ASCII");
  auto other = results.find("assembly rewrite, 50 MB, one non-ASCII line");
  if (ascii != results.end() && other != results.end() && ascii->second.ok && other->second.ok) {
    std::printf("non-ASCII / ASCII assembly rewrite: %.2f\n", other->second.median / ascii->second.median);
  }
  return 0;
}

}  // namespace sparlin::bench
