// --report and --compare of sparlin-cli around one build: the check of the
// report's path, the measured comparison, and the writing of the report.
#pragma once

#include <optional>

#include "app/build_report.h"
#include "app/cli/cli_arguments.h"
#include "app/cli/cli_host.h"
#include "app/session.h"

namespace sparlin {

// The usage error of --compare for these settings; empty when there is none.
std::string CompareUsageError(const CliArguments& arguments, const OptionValues& options);

// False, with the message shown, when the report would overwrite the source
// or a file that the build reads or creates.
bool ReportPathAllowed(const CliArguments& arguments, Session& session, CliHost& host);

// After the build: the size of the output it made, absent when none.
std::optional<int64_t> BuiltOutputBytes(Session& session);

// With --compare, has the build run the comparison into `outcome` once its
// output is made.
void ArmCompare(const CliArguments& arguments, Session& session, CompareOutcome& outcome);

// After the build: completes `outcome` for a build that made no output and
// prints its line on standard error.
void FinishCompare(const CliArguments& arguments, const std::optional<int64_t>& output_bytes,
                   CompareOutcome& outcome);

// Writes the report when asked; false, with the message shown, when it could
// not be written.
bool WriteReportIfAsked(const CliArguments& arguments, Session& session, CliHost& host, BuildReportInput input);

}  // namespace sparlin
