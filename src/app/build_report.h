// The build report of sparlin-cli: one JSON document that says what a build
// did, what it removed and kept and why, and (with the comparison) what the
// removal saved. The README documents every field.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/build_record.h"
#include "core/options.h"
#include "text/ustring.h"

namespace sparlin {

struct ShownMessage {
  UString title;
  UString text;
};

// What the measured comparison found.
struct CompareOutcome {
  enum class Kind {
    kNotAsked,          // no --compare
    kMeasured,          // `bytes` holds the size without pruning
    kFailed,            // `exit_code` (when the compiler ran) and `reason`
    kNothingToCompare,  // `reason`: nothing was pruned, or no output made
  };
  Kind kind = Kind::kNotAsked;
  int64_t bytes = 0;
  std::optional<uint32_t> exit_code;
  UString reason;
};

struct BuildReportInput {
  UString source;                     // the user's source file
  UString output_path;                // where the output program is written
  std::optional<int64_t> output_bytes;  // absent when the build made none
  const OptionValues* settings = nullptr;
  const BuildRecord* record = nullptr;
  std::vector<ShownMessage> messages;
  bool finished = false;
  int exit_code = 0;
  CompareOutcome compare;
};

std::string BuildReportJson(const BuildReportInput& input);

// The standard-error line of a measured comparison:
// "[size <bytes> without pruning <bytes>, <percent>% smaller]".
std::string CompareSummaryLine(int64_t bytes, int64_t bytes_without_pruning);

// Whether `report_path` names one of `build_paths` (the source and the files
// the build reads or creates). A relative path and an absolute one count as
// the same file when their file names agree, as the current folder is not
// known here.
bool ReportWouldOverwrite(UStringView report_path, const std::vector<UString>& build_paths);

}  // namespace sparlin
