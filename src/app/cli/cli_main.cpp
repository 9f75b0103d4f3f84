// sparlin-cli: what one launch of the desktop program does when the user
// presses Compile once and then closes the main window, without windows.
#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

#include "app/cli/cli_arguments.h"
#include "app/cli/cli_host.h"
#include "app/cli/cli_report.h"
#include "app/log_file.h"
#include "app/run_output.h"
#include "app/session.h"
#include "app/settings_file.h"
#include "pipeline/build.h"
#include "platform/console_entry.h"
#include "platform/child_processes.h"
#include "platform/platform.h"
#include "platform/stop_signals.h"
#include "core/version.h"

namespace sparlin {
namespace {

constexpr int kExitFinished = 0;
constexpr int kExitNotFinished = 1;
constexpr int kExitUsage = 2;
constexpr int kExitAccessViolation = 3;

// Standard output is the run log's alone: the program's own output goes to
// standard error.
void ForwardToStderr(const std::string& line) {
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fputc('\n', stderr);
  std::fflush(stderr);
}

int RunCli(const std::vector<UString>& args) {
  std::string error;
  auto parsed = ParseCliArguments(args, error);
  if (!parsed) {
    std::fprintf(stderr, "sparlin-cli: %s\n%s", error.c_str(), kCliUsage);
    return kExitUsage;
  }
  if (parsed->help) {
    std::fputs(kCliUsage, stdout);
    return kExitFinished;
  }
  if (parsed->version) {
    std::printf("sparlin-cli %s\n", kVersion);
    return kExitFinished;
  }
  UString parameter1 = parsed->parameters.size() > 0 ? parsed->parameters[0] : UString();
  UString parameter2 = parsed->parameters.size() > 1 ? parsed->parameters[1] : UString();

  // A stop request ends the compiler (and a --run program) at once; the
  // build then stops at its failed run, the exit steps run as usual, and the
  // exit code tells the signal.
  static std::atomic<int> stop_signal{0};
  platform::WatchStopSignals([](int signal_number) {
    stop_signal = signal_number;
    platform::EndChildProcesses();
  });

  SettingsFile settings;
  settings.CreateIfMissing();
  OptionValues options = StartupOptionValues(settings);
  ApplyOverrides(parsed->overrides, options);
  // --compare
  if (std::string compare_error = CompareUsageError(*parsed, options); !compare_error.empty()) {
    std::fprintf(stderr, "sparlin-cli: %s\n%s", compare_error.c_str(), kCliUsage);
    return kExitUsage;
  }

  CliHost host(options, parsed->trace);
  Session session(LaunchParameters::FromEnvironment(parameter1, parameter2), host);
  session.WriteBanner();
  session.ApplySuffix(options.suffix);  // the stored Suffix applies from start-up

  // --report, --compare: the report is never written over a file of the build.
  bool report_allowed = ReportPathAllowed(*parsed, session, host);
  session.context().record.keep_unpruned_assembly = parsed->compare;
  CompareOutcome compare;
  ArmCompare(*parsed, session, compare);

  bool finished = false;
  if (report_allowed && !session.globals().SourcePath.empty()) {
    // The build runs on its own thread, as in the window.
    std::thread build([&] { finished = RunBuild(session.context()); });
    build.join();
  }
  int exit_code = finished ? kExitFinished : kExitNotFinished;
  // --report, --compare
  std::optional<int64_t> output_bytes = BuiltOutputBytes(session);
  FinishCompare(*parsed, output_bytes, compare);

  // A log that is refused or cannot be written makes the run a failure.
  if (parsed->log_file && !SaveLogFile(session.context(), *parsed->log_file)) exit_code = kExitNotFinished;
  if (parsed->run && finished && stop_signal == 0) {
    auto program_exit = RunOutput(session.globals(), host, ForwardToStderr);
    if (program_exit && *program_exit == platform::kAccessViolation) exit_code = kExitAccessViolation;
  }
  // --report
  if (!report_allowed) {
    exit_code = kExitNotFinished;
  } else {
    const BuildState& state = session.state();
    GlobalValues g = state.globals;
    CompleteOutputPath(g);
    BuildReportInput report;
    report.source = state.UserSourcePath.empty() ? g.SourcePath : state.UserSourcePath;
    report.output_path = g.OutputPath;
    report.output_bytes = output_bytes;
    report.settings = &options;
    report.record = &session.context().record;
    report.finished = finished;
    report.exit_code = exit_code;
    report.compare = compare;
    if (!WriteReportIfAsked(*parsed, session, host, std::move(report))) exit_code = kExitNotFinished;
  }
  session.RunExitSteps(options.On(Option::DelOnExit));
  if (stop_signal != 0) return 128 + stop_signal;
  return exit_code;
}

}  // namespace
}  // namespace sparlin

int sparlin::platform::ConsoleMain(const std::vector<UString>& args) { return RunCli(args); }

