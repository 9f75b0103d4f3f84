#include "source_stage/working_text.h"

namespace sparlin {

// TextBuilder::Append's rules for one block.
void TextBuilderFit::Flush() {
  if (pending_ == 0) return;
  int64_t count = static_cast<int64_t>(pending_);
  pending_ = 0;
  if (!TextBuilderAppendFits(limits_, length_, count, capacity_)) {
    failed_ = true;
    return;
  }
  length_ += count;
}

}  // namespace sparlin
