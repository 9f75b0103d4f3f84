#include "pipeline/stage_record.h"

#include "platform/platform.h"

namespace sparlin {

StageRecording::StageRecording(BuildContext& ctx, StageId stage, const UString& arguments)
    : record_(ctx.record), stage_(stage), start_(platform::MonotonicMillis()) {
  StageRecord& entry = record_.stages[stage_];
  entry = StageRecord{};
  entry.ran = true;
  entry.arguments = arguments;
  record_.running_stage = stage_;
}

StageRecording::~StageRecording() {
  record_.stages[stage_].seconds = static_cast<double>(platform::MonotonicMillis() - start_) / 1000.0;
  record_.running_stage = -1;
}

void RecordCompilerExitCode(BuildContext& ctx, uint32_t exit_code) {
  int stage = ctx.record.running_stage;
  if (stage >= 0 && stage < kStageCount) ctx.record.stages[stage].exit_code = exit_code;
}

}  // namespace sparlin
