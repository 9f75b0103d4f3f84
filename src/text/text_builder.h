// An append-only text buffer for the rewriting passes. It accounts for its
// block as a 32-bit length followed by UTF-16 code units: the block starts at
// 20484 bytes and grows to round(needed * 1.28 + 4.0) bytes when an append
// does not fit, and the text may not pass 2^31 - 1 code units. An append that
// breaks either limit fails the builder, which the passes report.
// The UTF-16 builder stores code units; the byte builder stores ASCII text,
// one byte per code unit, so that both account alike for the same text.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "text/ustring.h"

namespace sparlin {

// How far a builder may grow. The defaults are the program's; tests lower
// them to exercise a pass whose text no longer fits.
struct TextBuilderLimits {
  int64_t max_length = std::numeric_limits<int32_t>::max();  // code units
  int64_t max_block_bytes = 0;                               // 0: no limit
};

// The block's size before the first growth, in bytes.
constexpr int64_t kTextBuilderFirstBlock = 20484;

// The growth rule for an append of `count` code units behind `length`:
// false when it breaks a limit; else `capacity` (the block's size in bytes)
// becomes what it is after the append.
bool TextBuilderAppendFits(const TextBuilderLimits& limits, int64_t length, int64_t count, int64_t& capacity);

template <typename Char>
class BasicTextBuilder {
 public:
  using String = std::basic_string<Char>;
  using View = std::basic_string_view<Char>;

  explicit BasicTextBuilder(const TextBuilderLimits& limits = {}) : limits_(limits) {}
  BasicTextBuilder(const BasicTextBuilder&) = delete;
  BasicTextBuilder& operator=(const BasicTextBuilder&) = delete;

  // Appends the first `count` code units of `text` (all of it when count <= 0).
  // An append that would pass the length limit, or whose growth fails, leaves
  // the buffer as it was and marks the builder as failed.
  void Append(View text, int64_t count = 0);
  // Appends all of `text`, accounted as `units` code units: UTF-8 bytes that
  // decode to that many UTF-16 units.
  void AppendCounted(View text, int64_t units);
  // Room for `units` code units made at once, so that a pass that knows about
  // how long its text gets does not move it while it grows. Changes nothing
  // that the growth rule accounts for.
  void Reserve(size_t units);
  // The stored text, copied or taken out (the builder is then empty).
  String Text() const { return text_; }
  String TakeText() {
    units_ = 0;
    return std::move(text_);
  }

  // True once an append could not be stored; the caller then fails its pass.
  bool Failed() const { return failed_; }
  // The block's size in bytes by the growth rule, and the stored length.
  int64_t Capacity() const { return capacity_; }
  int32_t Length() const { return static_cast<int32_t>(units_); }

 private:
  TextBuilderLimits limits_;
  String text_;
  int64_t units_ = 0;  // code units accounted
  int64_t capacity_ = kTextBuilderFirstBlock;
  bool failed_ = false;
};

using TextBuilder = BasicTextBuilder<char16_t>;
using ByteTextBuilder = BasicTextBuilder<char>;

extern template class BasicTextBuilder<char16_t>;
extern template class BasicTextBuilder<char>;

}  // namespace sparlin
