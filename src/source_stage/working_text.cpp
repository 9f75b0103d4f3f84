#include "source_stage/working_text.h"

#include <cmath>

namespace sparlin {

// TextBuilder::Append's rules for one block.
void TextBuilderFit::Flush() {
  if (pending_ == 0) return;
  int64_t count = static_cast<int64_t>(pending_);
  pending_ = 0;
  if (length_ + count > limits_.max_length) {
    failed_ = true;
    return;
  }
  int64_t needed = 2 * (length_ + count);
  int64_t capacity = capacity_;
  if (needed > capacity - 4) {
    capacity = std::llround(static_cast<double>(needed) * 1.28 + 4.0);
    if (limits_.max_block_bytes > 0 && capacity > limits_.max_block_bytes) {
      failed_ = true;
      return;
    }
  }
  length_ += count;
  capacity_ = capacity;
}

}  // namespace sparlin
