#include "text/text_builder.h"

#include <cmath>
#include <new>
#include <stdexcept>

namespace sparlin {

bool TextBuilderAppendFits(const TextBuilderLimits& limits, int64_t length, int64_t count, int64_t& capacity) {
  if (length + count > limits.max_length) return false;
  int64_t needed = 2 * (length + count);
  if (needed <= capacity - 4) return true;
  int64_t grown = std::llround(static_cast<double>(needed) * 1.28 + 4.0);
  if (limits.max_block_bytes > 0 && grown > limits.max_block_bytes) return false;
  capacity = grown;
  return true;
}

template <typename Char>
void BasicTextBuilder<Char>::Append(View text, int64_t count) {
  if (count <= 0 || count > static_cast<int64_t>(text.size())) count = static_cast<int64_t>(text.size());
  AppendCounted(text.substr(0, static_cast<size_t>(count)), count);
}

template <typename Char>
void BasicTextBuilder<Char>::AppendCounted(View text, int64_t units) {
  if (text.empty()) return;
  int64_t capacity = capacity_;
  if (!TextBuilderAppendFits(limits_, units_, units, capacity)) {
    failed_ = true;  // the old text is still intact
    return;
  }
  try {
    text_.append(text);
  } catch (const std::bad_alloc&) {
    failed_ = true;
    return;
  }
  capacity_ = capacity;
  units_ += units;
}

template <typename Char>
void BasicTextBuilder<Char>::Reserve(size_t units) {
  try {
    text_.reserve(units);
  } catch (const std::bad_alloc&) {
    // Only a hint: the appends grow the text as they need.
  } catch (const std::length_error&) {
  }
}

template class BasicTextBuilder<char16_t>;
template class BasicTextBuilder<char>;

}  // namespace sparlin
