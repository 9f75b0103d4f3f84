// An append-only UTF-16 text buffer for the rewriting passes. It accounts for
// its block as a 32-bit length followed by the code units: the block starts
// at 20484 bytes and grows to round(needed * 1.28 + 4.0) bytes when an append
// does not fit, and the text may not pass 2^31 - 1 code units. An append that
// breaks either limit fails the builder, which the passes report.
#pragma once

#include <cstdint>
#include <limits>

#include "text/ustring.h"

namespace sparlin {

// How far a builder may grow. The defaults are the program's; tests lower
// them to exercise a pass whose text no longer fits.
struct TextBuilderLimits {
  int64_t max_length = std::numeric_limits<int32_t>::max();  // code units
  int64_t max_block_bytes = 0;                               // 0: no limit
};

class TextBuilder {
 public:
  explicit TextBuilder(const TextBuilderLimits& limits = {}) : limits_(limits) {}
  TextBuilder(const TextBuilder&) = delete;
  TextBuilder& operator=(const TextBuilder&) = delete;

  // Appends the first `count` code units of `text` (all of it when count <= 0).
  // An append that would pass the length limit, or whose growth fails, leaves
  // the buffer as it was and marks the builder as failed.
  void Append(UStringView text, int64_t count = 0);
  // Room for `units` code units made at once, so that a pass that knows about
  // how long its text gets does not move it while it grows. Changes nothing
  // that the growth rule accounts for.
  void Reserve(size_t units);
  // The stored text, copied or taken out (the builder is then empty).
  UString Text() const { return text_; }
  UString TakeText() { return std::move(text_); }

  // True once an append could not be stored; the caller then fails its pass.
  bool Failed() const { return failed_; }
  // The block's size in bytes by the growth rule, and the stored length.
  int64_t Capacity() const { return capacity_; }
  int32_t Length() const { return static_cast<int32_t>(text_.size()); }

 private:
  TextBuilderLimits limits_;
  UString text_;
  int64_t capacity_ = 20484;
  bool failed_ = false;
};

}  // namespace sparlin
