#include "text/text_builder.h"

#include <cmath>
#include <new>
#include <stdexcept>

namespace sparlin {

template <typename Char>
void BasicTextBuilder<Char>::Append(View text, int64_t count) {
  if (count <= 0 || count > static_cast<int64_t>(text.size())) count = static_cast<int64_t>(text.size());
  if (count == 0) return;
  int64_t length = static_cast<int64_t>(text_.size());
  if (length + count > limits_.max_length) {
    failed_ = true;
    return;
  }
  int64_t needed = 2 * (length + count);
  int64_t capacity = capacity_;
  if (needed > capacity - 4) {
    capacity = std::llround(static_cast<double>(needed) * 1.28 + 4.0);
    if (limits_.max_block_bytes > 0 && capacity > limits_.max_block_bytes) {
      failed_ = true;  // the old text is still intact
      return;
    }
  }
  try {
    text_.append(text.substr(0, static_cast<size_t>(count)));
  } catch (const std::bad_alloc&) {
    failed_ = true;
    return;
  }
  capacity_ = capacity;
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
