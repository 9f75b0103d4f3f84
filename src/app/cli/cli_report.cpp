#include "app/cli/cli_report.h"

#include <cstdio>

#include "app/compare_run.h"
#include "app/run_output.h"
#include "core/build_paths.h"
#include "core/messages.h"
#include "text/paths.h"

namespace sparlin {
namespace {

constexpr char16_t kReportErrorTitle[] = u"Error Report";

// The source and every file the build reads or creates, as far as known now.
std::vector<UString> BuildPaths(const CliArguments& arguments, Session& session) {
  const BuildState& state = session.state();
  GlobalValues g = state.globals;
  CompleteOutputPath(g);
  const UString& source = state.UserSourcePath.empty() ? g.SourcePath : state.UserSourcePath;
  std::vector<UString> paths = {source,
                                g.OptimizedSourcePath,
                                g.AsmPath,
                                PathFolder(g.AsmPath) + PathBaseName(g.AsmPath) + u".def",
                                PathFolder(source) + u"Sparlin.rc",
                                ConstantsCopyPathOf(source),
                                g.OutputPath};
  if (arguments.log_file) paths.push_back(*arguments.log_file);
  for (const CopiedDll& dll : session.context().record.dlls_copied) paths.push_back(dll.path);
  return paths;
}

void PrintLine(const std::string& line) {
  std::fputs((line + "\n").c_str(), stderr);
  std::fflush(stderr);
}

}  // namespace

std::string CompareUsageError(const CliArguments& arguments, const OptionValues& options) {
  if (arguments.compare && !options.On(Option::CreateOUT)) {
    return "--compare measures the output program, and CreateOUT=0 makes none";
  }
  return {};
}

bool ReportPathAllowed(const CliArguments& arguments, Session& session, CliHost& host) {
  if (!arguments.report_file) return true;
  const UString& report = *arguments.report_file;
  if (!ReportWouldOverwrite(report, BuildPaths(arguments, session))) return true;
  host.ShowMessage(kReportErrorTitle,
                   u"The report is not written over " + report + u": this build reads or creates that file.",
                   MessageIcon::kError);
  return false;
}

std::optional<int64_t> BuiltOutputBytes(Session& session) {
  const StageRecord& reassemble = session.context().record.stages[kStageReassemble];
  if (!reassemble.exit_code || *reassemble.exit_code != 0) return std::nullopt;
  GlobalValues g = session.globals();
  CompleteOutputPath(g);
  int64_t size = session.context().files.FileSize(g.OutputPath);
  return size >= 0 ? std::optional<int64_t>(size) : std::nullopt;
}

void ArmCompare(const CliArguments& arguments, Session& session, CompareOutcome& outcome) {
  if (!arguments.compare) return;
  session.context().after_output = [&outcome](BuildContext& ctx) {
    outcome = MeasureWithoutPruning(ctx, TemporaryFolder());
  };
}

void FinishCompare(const CliArguments& arguments, const std::optional<int64_t>& output_bytes,
                   CompareOutcome& outcome) {
  if (!arguments.compare) return;
  if (!output_bytes) {
    outcome = CompareOutcome{};
    outcome.kind = CompareOutcome::Kind::kNothingToCompare;
    outcome.reason = u"the build made no output";
  }
  switch (outcome.kind) {
    case CompareOutcome::Kind::kMeasured:
      PrintLine(CompareSummaryLine(*output_bytes, outcome.bytes));
      break;
    case CompareOutcome::Kind::kFailed:
      PrintLine("[compare failed: " + EncodeUtf8(outcome.reason) +
                (outcome.exit_code ? ", exit code " + std::to_string(*outcome.exit_code) : std::string()) + "]");
      break;
    default:
      PrintLine("[compare skipped: " + EncodeUtf8(outcome.reason) + "]");
      break;
  }
}

bool WriteReportIfAsked(const CliArguments& arguments, Session& session, CliHost& host, BuildReportInput input) {
  if (!arguments.report_file) return true;
  // The build may have learnt more of its paths (the output named in the
  // source, the DLLs it copied) since the check before it.
  if (!ReportPathAllowed(arguments, session, host)) return false;
  const UString& path = *arguments.report_file;
  input.messages = host.messages();
  if (session.context().files.SafeReplaceFile(path, BuildReportJson(input))) return true;
  host.ShowMessage(kReportErrorTitle, WritingFailedText(path), MessageIcon::kError);
  return false;
}

}  // namespace sparlin
