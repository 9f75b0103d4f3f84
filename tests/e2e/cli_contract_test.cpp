// sparlin-cli's own contract: start-up, settings file, usage errors, log file,
// run of the output, exit codes. The compiler here is a shell script, so that
// these tests see exactly what the CLI does around any compiler.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "app/cli/cli_arguments.h"
#include "platform/os_calls.h"
#include "platform/platform.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace sparlin {
namespace {

using testing::CliResult;
using testing::FixTime;
using testing::RunCli;
using testing::TempDir;

const std::string kBanner = "\r\n\r\n ---  Sparlin v0.9.8.6 beta  " + std::string(91, '-') + "\r\n";

std::string Banner(const std::string& compiler, const std::string& source, const std::string& output) {
  return kBanner + "\r\n\r\n\t\xC2\xB7  Compiler:   \t\"" + compiler + "\"\r\n\r\n\t\xC2\xB7  Source file:\t\"" + source +
         "\"\r\n\r\n\t\xC2\xB7  Output file:\t\"" + output + "\"\r\n";
}

class CliContract : public ::testing::Test {
 protected:
  void SetUp() override {
    if (testing::CliBinary().empty()) GTEST_FAIL() << "SPARLIN_CLI is not set: nothing to run the build with";
    // A compiler that writes what each run must produce. The output program
    // it writes is a script that crashes when the source says so.
    dir_.Write("PB/Compilers/pbcompiler.exe", R"sh(#!/bin/sh
case "$2" in
  /PREPROCESS) cp "$1" "$3" ;;
  /COMMENTED) printf 'format MS64 COFF\r\nPureBasicStart:\r\n  RET\r\n' > PureBasic.asm ;;
  /REASM) while [ $# -gt 0 ]; do [ "$1" = /EXE ] && out=$2; shift; done
          if grep -q CRASH *_Sparl.pb; then printf '#!/bin/sh\nkill -SEGV $$\n' > "$out"
          else printf '#!/bin/sh\necho program says hi\nexit 0\n' > "$out"; fi
          chmod +x "$out" ;;
esac
echo "ok $2"
)sh");
    std::filesystem::permissions(dir_.path() / "PB/Compilers/pbcompiler.exe", std::filesystem::perms::owner_all);
    dir_.Write("work/.keep", "");
    compiler_ = (dir_.path() / "PB/Compilers/pbcompiler.exe").string();
  }

  CliResult Run(const std::vector<std::string>& args, std::map<std::string, std::string> env = {}) {
    if (!env.count("PB_TOOL_Compiler")) env["PB_TOOL_Compiler"] = compiler_;
    return RunCli(dir_.path() / "work", args, env);
  }

  TempDir dir_;
  std::string compiler_;
};

TEST_F(CliContract, NoParametersWritesTheBannerAndTheSettingsFile) {
  CliResult r = Run({}, {{"PB_TOOL_Compiler", ""}});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.out, Banner("Compilers\\pbcompiler.exe", "", ".exe"));
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(dir_.Read("work/Sparlin.ini").substr(0, 16), "\xEF\xBB\xBF\r\n; Sparlin\r\n");
}

TEST_F(CliContract, UsageErrorsRunNothing) {
  for (auto args : std::vector<std::vector<std::string>>{
           {"--set", "Nope=1", "x.pb"}, {"--set", "nNOP=x", "x.pb"}, {"--bogus"}, {"a", "b", "c"}}) {
    CliResult r = Run(args);
    EXPECT_EQ(r.exit_code, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("usage: sparlin-cli"), std::string::npos);
    EXPECT_FALSE(dir_.Exists("work/Sparlin.ini"));
  }
}

TEST_F(CliContract, HelpAndVersionPrintOnStandardOutputAndRunNothing) {
  const std::string usage = kCliUsage;
  struct Case {
    std::vector<std::string> args;
    std::string out;
  };
  for (const Case& c : std::vector<Case>{{{"--help"}, usage},
                                         {{"-h", "x.pb"}, usage},
                                         {{"--trace", "--help", "--bogus"}, usage},
                                         {{"--version"}, "sparlin-cli 0.9.8.6\n"}}) {
    CliResult r = Run(c.args);
    EXPECT_EQ(r.exit_code, 0) << c.args[0];
    EXPECT_EQ(r.out, c.out) << c.args[0];
    EXPECT_EQ(r.err, "") << c.args[0];
    EXPECT_FALSE(dir_.Exists("work/Sparlin.ini"));
  }
}

TEST_F(CliContract, AllStagesOffLogsSkipsTracesAndSavesTheLog) {
  dir_.Write("work/demo.pb", "PrintN(\"x\")\r\n");
  std::string source = (dir_.path() / "work/demo.pb").string();
  CliResult r = Run({"--trace", "--set", "createpb=0", "--set", "CreateASM=0", "--set", "CreateOUT=0", "--log",
                     "saved.txt", source});
  EXPECT_EQ(r.exit_code, 0);
  // The output path comes from the second parameter only; here it is ".exe".
  std::string expected = Banner(compiler_.substr(0, compiler_.size() - 24) + "Compilers\\pbcompiler.exe", source,
                                ".exe") +
                         "\r\n\r\n ---  PREPROCESS  " + std::string(104, '-') + "\r\n\r\n\tSkipped!\r\n\r\n ---  ASM  " +
                         std::string(121, '-') + "\r\n\r\n\tSkipped!\r\n ---  REASM  " + std::string(116, '-') +
                         "\r\n\r\n\tSkipped!\r\n\tAll Finished!\r\n\r\n\r\n\tTime: Ts\r\n\r\n";
  EXPECT_EQ(FixTime(r.out), expected);
  EXPECT_EQ(r.err,
            "[progress 8]\n[progress 0]\n[progress 33]\n[progress 66]\n[progress 100]\n[beep information]\n"
            "[enable 3]\n[enable 4]\n[enable 2]\n[enable 5]\n[enable 9]\n");
  EXPECT_EQ(dir_.Read("work/saved.txt"), r.out + "\r\n");
  // A log file that cannot be written, and one that would replace the source.
  std::filesystem::create_directory(dir_.path() / "work/folder.txt");
  CliResult failed = Run({"--set", "CreatePB=0", "--set", "CreateASM=0", "--set", "CreateOUT=0", "--log",
                          "folder.txt", source});
  EXPECT_EQ(failed.exit_code, 1);
  EXPECT_EQ(failed.err, "[message Error Log] Writing folder.txt was not successful...\n");
  CliResult refused = Run({"--set", "CreatePB=0", "--set", "CreateASM=0", "--set", "CreateOUT=0", "--log", "demo.pb",
                           source, source});
  EXPECT_EQ(refused.exit_code, 1);
  EXPECT_EQ(refused.err, "[message Error Log] The log file demo.pb would replace the source file or a file that the "
                         "build writes. The log was not saved.\n");
  EXPECT_EQ(dir_.Read("work/demo.pb"), "PrintN(\"x\")\r\n");
}

TEST_F(CliContract, RunReportsAnAccessViolation) {
  dir_.Write("work/crash.pb", "; CRASH\r\n");
  dir_.Write("work/fine/fine.pb", "; fine\r\n");
  std::string folder = (dir_.path() / "work").string() + "/";
  std::map<std::string, std::string> env = {{"PB_TOOL_Executable", "prog.exe"}};
  CliResult crash = Run({"--run", "--set", "RemMacro=0", "--set", "RemProcs=0", "--set", "RemUncalled=0",
                         folder + "crash.pb"},
                        env);
  EXPECT_EQ(crash.exit_code, 3) << crash.err;
  EXPECT_EQ(crash.err,
            "[message Sparlin v0.9.8.6 beta] \\n  Oops, the program crashed...\\n\\n\\n  If you are using "
            "ImagePlugins and \"Remove ImagePlugins\" is ticked,\\n  please make sure you've added a dummy string "
            "with e.g.: \".jpg\", \".tga\"\\n  or \".jpg.tga.gif\" somewhere in your code or simply untick the "
            "setting.\\n\\n\\n  Still not working? Please post a bug report on the forum, Thank you!\\n\n");
  EXPECT_TRUE(dir_.Exists("work/prog.exe"));  // an output name without folder lies beside the source
  CliResult fine = Run({"--run", folder + "fine/fine.pb"}, env);
  EXPECT_EQ(fine.exit_code, 0) << fine.err;
  EXPECT_EQ(fine.err, "program says hi\n");  // standard output holds the log only
  EXPECT_EQ(fine.out.substr(fine.out.size() - 4), "\r\n\r\n");
}

TEST_F(CliContract, ASourceThatAnotherSparlinBuildsIsLeftToIt) {
  dir_.Write("work/demo.pb", "x\r\n");
  dir_.Write("work/demo_Sparl.pb", "the other build's");
  dir_.Write("work/PureBasic.asm", "the other build's");
  std::string source = (dir_.path() / "work/demo.pb").string();
  auto other_build = platform::LockSourceForBuild(DecodeUtf8(source));
  ASSERT_TRUE(other_build);
  CliResult r = Run({"--trace", "--set", "DelOnExit=1", source});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.out, Banner(compiler_.substr(0, compiler_.size() - 24) + "Compilers\\pbcompiler.exe", source, ".exe"));
  EXPECT_EQ(r.err, "[message Error Busy] Another Sparlin is building in " + (dir_.path() / "work/").string() +
                       " right now.\n");
  EXPECT_EQ(dir_.Read("work/demo_Sparl.pb"), "the other build's");
  EXPECT_EQ(dir_.Read("work/PureBasic.asm"), "the other build's");
}

TEST_F(CliContract, DeleteOnExitRemovesTheCreatedFilesButNeverTheSource) {
  dir_.Write("work/demo.pb", "x\r\n");
  std::string source = (dir_.path() / "work/demo.pb").string();
  CliResult keep = Run({"--set", "CreateOUT=0", source});
  EXPECT_EQ(keep.exit_code, 0) << keep.err;
  EXPECT_TRUE(dir_.Exists("work/demo_Sparl.pb"));
  EXPECT_TRUE(dir_.Exists("work/PureBasic.asm"));
  CliResult clean = Run({"--set", "CreateOUT=0", "--set", "DelOnExit=1", "--set", "Suffix= _min ", source});
  EXPECT_EQ(clean.exit_code, 0) << clean.err;
  EXPECT_FALSE(dir_.Exists("work/demo_min.pb"));
  EXPECT_FALSE(dir_.Exists("work/PureBasic.asm"));
  EXPECT_TRUE(dir_.Exists("work/demo_Sparl.pb"));  // from the earlier run, another name
  EXPECT_TRUE(dir_.Exists("work/demo.pb"));
}

TEST_F(CliContract, AStoredSuffixAppliesFromStartUp) {
  dir_.Write("work/Sparlin.ini", "\xEF\xBB\xBF\r\n[Settings]\r\nSuffix =  _tiny \r\nCreateOUT = 0\r\nCreateASM = 0\r\n");
  dir_.Write("work/demo.pb", "x\r\n");
  CliResult r = Run({(dir_.path() / "work/demo.pb").string()});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_TRUE(dir_.Exists("work/demo_tiny.pb"));
  // The CLI never saves the settings file.
  EXPECT_EQ(dir_.Read("work/Sparlin.ini"),
            "\xEF\xBB\xBF\r\n[Settings]\r\nSuffix =  _tiny \r\nCreateOUT = 0\r\nCreateASM = 0\r\n");
}

TEST_F(CliContract, ARelativeCompilerPathIsFoundFromTheCurrentFolder) {
  // Without PB_TOOL_Compiler the compiler is "Compilers\pbcompiler.exe" of the
  // folder Sparlin runs in, not of the source's folder where it works.
  std::filesystem::create_directories(dir_.path() / "work/Compilers");
  std::filesystem::copy_file(compiler_, dir_.path() / "work/Compilers/pbcompiler.exe");
  dir_.Write("elsewhere/demo.pb", "x\r\n");
  CliResult r = Run({"--set", "CreateASM=0", "--set", "CreateOUT=0", (dir_.path() / "elsewhere/demo.pb").string()},
                    {{"PB_TOOL_Compiler", ""}});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_NE(r.out.find("\tok /PREPROCESS\r\n"), std::string::npos);
  EXPECT_TRUE(dir_.Exists("elsewhere/demo_Sparl.pb"));
}

// Whether the process runs (a zombie that nobody reaps does not).
bool Runs(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  if (!std::getline(stat, line)) return false;
  size_t end = line.rfind(')');
  return end != std::string::npos && end + 2 < line.size() && line[end + 2] != 'Z';
}

// The number in `file` once it is there (within ten seconds); 0 otherwise.
pid_t AwaitNumber(const std::filesystem::path& file) {
  for (int i = 0; i < 1000; ++i) {
    std::ifstream in(file);
    pid_t pid = 0;
    if (in >> pid && pid > 0) return pid;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return 0;
}

// Signals end the compiler with sparlin-cli, which runs its exit steps and
// tells the signal in its exit code; SIGKILL ends it too.
TEST_F(CliContract, TheCompilerNeverOutlivesSparlin) {
  dir_.Write("slow/Compilers/pbcompiler.exe",
             "#!/bin/sh\necho started\nsleep 30 &\necho $! > helper.pid\necho $$ > compiler.pid\nwait\n");
  std::filesystem::permissions(dir_.path() / "slow/Compilers/pbcompiler.exe", std::filesystem::perms::owner_all);
  dir_.Write("work/demo.pb", "x\r\n");
  for (int signal_number : {SIGTERM, SIGINT, SIGHUP, SIGKILL}) {
    SCOPED_TRACE(signal_number);
    std::filesystem::remove(dir_.path() / "work/compiler.pid");
    pid_t cli = ::fork();
    if (cli == 0) {
      ::chdir((dir_.path() / "work").c_str());
      ::setenv("PB_TOOL_Compiler", (dir_.path() / "slow/Compilers/pbcompiler.exe").c_str(), 1);
      ::freopen("/dev/null", "w", stdout);
      ::execl(testing::CliBinary().c_str(), "sparlin-cli", "--set", "DelOnExit=1", "demo.pb", nullptr);
      ::_exit(127);
    }
    pid_t compiler = AwaitNumber(dir_.path() / "work/compiler.pid");
    pid_t helper = AwaitNumber(dir_.path() / "work/helper.pid");
    ASSERT_GT(compiler, 0);
    ::kill(cli, signal_number);
    int status = 0;
    ::waitpid(cli, &status, 0);
    if (signal_number == SIGKILL) {
      EXPECT_TRUE(WIFSIGNALED(status));
    } else {
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 128 + signal_number) << status;
      EXPECT_FALSE(dir_.Exists("work/demo_Sparl.pb") || dir_.Exists("work/Sparlin.rc"));  // exit steps ran
    }
    // The signal reaches the compiler's own helpers too (not after SIGKILL).
    for (int i = 0; i < 300 && (Runs(compiler) || (signal_number != SIGKILL && Runs(helper))); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_FALSE(Runs(compiler));
    EXPECT_TRUE(signal_number == SIGKILL || !Runs(helper));
    if (Runs(compiler)) ::kill(compiler, SIGKILL);
    if (Runs(helper)) ::kill(helper, SIGKILL);
  }
}

// Compiler output costs a few times its size, whatever its line lengths:
// 40 MB of short lines and one 40 MB line fit in a 300 MB address space.
TEST_F(CliContract, LongCompilerOutputFitsInBoundedMemory) {
  dir_.Write("loud/Compilers/pbcompiler.exe",
             "#!/bin/sh\ncase \"$2\" in /PREPROCESS) cp \"$1\" \"$3\" ;; esac\n"
             "yes 1234567 | head -c 40000000\nhead -c 40000000 /dev/zero | tr '\\0' b\necho\n");
  std::filesystem::permissions(dir_.path() / "loud/Compilers/pbcompiler.exe", std::filesystem::perms::owner_all);
  dir_.Write("work/demo.pb", "x\r\n");
  // Started through a shell rather than a fork of this process, whose other
  // threads may hold locks that a forked child would wait on for ever.
#ifndef __SANITIZE_ADDRESS__
  const std::string bound = "ulimit -v 307200; ";
#else
  // A build with AddressSanitizer reserves terabytes of address space for its
  // shadow memory, so there the output is checked without the bound.
  const std::string bound;
#endif
  const std::string command = "cd " + testing::ShellQuote((dir_.path() / "work").string()) +
                              " && PB_TOOL_Compiler=" +
                              testing::ShellQuote((dir_.path() / "loud/Compilers/pbcompiler.exe").string()) +
                              " sh -c " +
                              testing::ShellQuote(bound + "exec " + testing::ShellQuote(testing::CliBinary()) +
                                                  " --set CreateASM=0 --set CreateOUT=0 demo.pb") +
                              " >log.txt </dev/null";
  int status = std::system(command.c_str());
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  std::string log = dir_.Read("work/log.txt");
  size_t short_lines = 0;
  for (size_t at = log.find("\t1234567\r\n"); at != std::string::npos; at = log.find("\t1234567\r\n", at + 1)) {
    ++short_lines;
  }
  EXPECT_EQ(short_lines, 5000000u);
  // Found by its head, then compared once: a search for the whole 40 MB line
  // would compare it at every tab.
  const std::string long_line = "\t" + std::string(40000000, 'b') + "\r\n\r\n\r\n\tOptimizing...\r\n";
  size_t at = log.find("\tbbbbbbbb");
  ASSERT_NE(at, std::string::npos);
  EXPECT_EQ(log.compare(at, long_line.size(), long_line), 0);
}

}  // namespace
}  // namespace sparlin
