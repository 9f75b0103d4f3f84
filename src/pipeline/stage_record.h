// Notes in the build record which compiler run a stage made, with what
// parameters, its exit code and how long the stage took from there.
#pragma once

#include <cstdint>

#include "core/build_state.h"

namespace sparlin {

class StageRecording {
 public:
  // The stage is about to start the compiler with `arguments`.
  StageRecording(BuildContext& ctx, StageId stage, const UString& arguments);
  ~StageRecording();
  StageRecording(const StageRecording&) = delete;
  StageRecording& operator=(const StageRecording&) = delete;

 private:
  BuildRecord& record_;
  StageId stage_;
  uint64_t start_;
};

// The exit code of the compiler run of the stage being recorded.
void RecordCompilerExitCode(BuildContext& ctx, uint32_t exit_code);

}  // namespace sparlin
