#include "text/text_builder.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace sparlin {
namespace {

constexpr int64_t kInitialCapacity = 20484;

}  // namespace

TextBuilder::TextBuilder(const TextBuilderLimits& limits) : limits_(limits) {
  if (!Grow(kInitialCapacity)) {
    failed_ = true;
    return;
  }
  int32_t zero = 0;
  std::memcpy(block_, &zero, sizeof zero);
}

TextBuilder::~TextBuilder() { std::free(block_); }

int32_t TextBuilder::Length() const {
  if (!block_) return 0;
  int32_t length;
  std::memcpy(&length, block_, sizeof length);
  return length;
}

bool TextBuilder::Grow(int64_t bytes) {
  if (limits_.max_block_bytes > 0 && bytes > limits_.max_block_bytes) return false;
  if (bytes <= 0 || static_cast<uint64_t>(bytes) > std::numeric_limits<size_t>::max()) return false;
  char* moved = static_cast<char*>(std::realloc(block_, static_cast<size_t>(bytes)));
  if (!moved) return false;  // the old block is still intact
  block_ = moved;
  capacity_ = bytes;
  return true;
}

void TextBuilder::Append(UStringView text, int64_t count) {
  if (!block_) return;
  if (count <= 0 || count > static_cast<int64_t>(text.size())) count = static_cast<int64_t>(text.size());
  if (count == 0) return;
  int64_t length = Length();
  if (length + count > limits_.max_length) {
    failed_ = true;
    return;
  }
  int64_t needed = 2 * (length + count);
  if (needed > capacity_ - 4 && !Grow(std::llround(static_cast<double>(needed) * 1.28 + 4.0))) {
    failed_ = true;
    return;
  }
  std::memcpy(block_ + 4 + 2 * length, text.data(), static_cast<size_t>(2 * count));
  auto new_length = static_cast<int32_t>(length + count);
  std::memcpy(block_, &new_length, sizeof new_length);
}

UString TextBuilder::Text() const {
  UString text(static_cast<size_t>(Length()), u'\0');
  if (!text.empty()) std::memcpy(text.data(), block_ + 4, text.size() * 2);
  return text;
}

}  // namespace sparlin
