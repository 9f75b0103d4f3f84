// An append-only UTF-16 text buffer for the rewriting passes. The block holds
// a 32-bit length followed by the code units; it starts at 20484 bytes and
// grows to round(needed * 1.28 + 4.0) bytes when an append does not fit.
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
  explicit TextBuilder(const TextBuilderLimits& limits = {});
  ~TextBuilder();
  TextBuilder(const TextBuilder&) = delete;
  TextBuilder& operator=(const TextBuilder&) = delete;

  // Appends the first `count` code units of `text` (all of it when count <= 0).
  // An append that would pass the length limit, or whose growth fails, leaves
  // the buffer as it was and marks the builder as failed.
  void Append(UStringView text, int64_t count = 0);
  // The stored text.
  UString Text() const;

  // True once an append could not be stored, or when the first block could
  // not be had; the caller then fails its pass.
  bool Failed() const { return failed_; }
  // The block's size in bytes and the stored length.
  int64_t Capacity() const { return capacity_; }
  int32_t Length() const;

 private:
  bool Grow(int64_t bytes);

  TextBuilderLimits limits_;
  char* block_ = nullptr;  // int32 length, then the code units
  int64_t capacity_ = 0;
  bool failed_ = false;
};

}  // namespace sparlin
