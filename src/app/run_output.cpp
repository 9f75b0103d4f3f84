#include "app/run_output.h"


#include "platform/worker_thread.h"
#include "text/paths.h"

namespace sparlin {

const char16_t kCrashMessage[] =
    u"\n  Oops, the program crashed...\n\n\n"
    u"  If you are using ImagePlugins and \"Remove ImagePlugins\" is ticked,\n"
    u"  please make sure you've added a dummy string with e.g.: \".jpg\", \".tga\"\n"
    u"  or \".jpg.tga.gif\" somewhere in your code or simply untick the setting.\n\n\n"
    u"  Still not working? Please post a bug report on the forum, Thank you!\n";

void CompleteOutputPath(GlobalValues& g) {
  if (PathFolder(g.OutputPath).empty()) g.OutputPath = PathFolder(g.SourcePath) + PathFileName(g.OutputPath);
}

std::optional<uint32_t> RunOutput(GlobalValues& g, AppHost& host, const ProgramOutputSink& program_output,
                                  platform::ProcessLauncher& processes) {
  CompleteOutputPath(g);
  host.SetMainWindowEnabled(false);
  platform::ProcessOptions options;
  options.program = g.OutputPath;
  options.working_folder = PathFolder(g.OutputPath);
  options.hidden = false;
  options.capture_stdout = static_cast<bool>(program_output);
  std::optional<uint32_t> exit_code;
  if (auto process = processes.Start(options)) {
    std::string line;
    while (options.capture_stdout && process->ReadLine(line)) program_output(line);
    exit_code = process->Wait();
  }
  host.BringMainWindowToFront();
  if (exit_code && *exit_code == platform::kAccessViolation) {
    host.ShowMessage(g.Title, kCrashMessage, MessageIcon::kWarning);
  }
  host.SetMainWindowEnabled(true);
  return exit_code;
}

bool StartRunOutputThread(GlobalValues& g, AppHost& host) {
  // No thread for want of resources: nothing is reported.
  return platform::StartDetachedThread([&g, &host] { RunOutput(g, host); });
}

}  // namespace sparlin
