#include "pipeline/text_builder.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>

namespace sparlin {

struct TextBuilderHandle {
  char* block = nullptr;  // int32 length, then the code units
  int64_t capacity = 0;   // size of the block in bytes
  bool failed = false;
};

namespace {

constexpr int64_t kInitialCapacity = 20484;
constexpr int64_t kMaxLength = std::numeric_limits<int32_t>::max();
int64_t g_allocation_limit = 0;

int32_t LengthOf(const TextBuilderHandle* b) {
  int32_t length;
  std::memcpy(&length, b->block, sizeof length);
  return length;
}

void* Allocate(void* old, int64_t bytes) {
  if (g_allocation_limit > 0 && bytes > g_allocation_limit) return nullptr;
  if (bytes <= 0 || static_cast<uint64_t>(bytes) > std::numeric_limits<size_t>::max()) return nullptr;
  return std::realloc(old, static_cast<size_t>(bytes));
}

}  // namespace

TextBuilder TextBuilderNew() {
  auto* handle = new (std::nothrow) TextBuilderHandle;
  if (!handle) return nullptr;
  handle->block = static_cast<char*>(Allocate(nullptr, kInitialCapacity));
  if (!handle->block) {
    delete handle;
    return nullptr;
  }
  handle->capacity = kInitialCapacity;
  int32_t zero = 0;
  std::memcpy(handle->block, &zero, sizeof zero);
  return handle;
}

int TextBuilderAppend(TextBuilder builder, UString text, int64_t count) {
  if (!builder) return 0;
  if (count <= 0 || count > static_cast<int64_t>(text.size())) count = static_cast<int64_t>(text.size());
  if (count == 0) return 0;
  int64_t length = LengthOf(builder);
  if (length + count > kMaxLength) {
    builder->failed = true;
    return 0;
  }
  int64_t needed = 2 * (length + count);
  if (needed > builder->capacity - 4) {
    auto grown = static_cast<int64_t>(std::llround(static_cast<double>(needed) * 1.28 + 4.0));
    char* moved = static_cast<char*>(Allocate(builder->block, grown));
    if (!moved) {
      builder->failed = true;  // the old block is still intact
      return 0;
    }
    builder->block = moved;
    builder->capacity = grown;
  }
  std::memcpy(builder->block + 4 + 2 * length, text.data(), static_cast<size_t>(2 * count));
  auto new_length = static_cast<int32_t>(length + count);
  std::memcpy(builder->block, &new_length, sizeof new_length);
  return 0;
}

UString TextBuilderText(TextBuilder builder) {
  if (!builder) return UString();
  UString text(static_cast<size_t>(LengthOf(builder)), u'\0');
  std::memcpy(text.data(), builder->block + 4, text.size() * 2);
  return text;
}

int TextBuilderFree(TextBuilder builder) {
  if (!builder) return 0;
  std::free(builder->block);
  delete builder;
  return 0;
}

bool TextBuilderFailed(TextBuilder builder) { return builder && builder->failed; }
int64_t TextBuilderCapacity(TextBuilder builder) { return builder ? builder->capacity : 0; }
int32_t TextBuilderLength(TextBuilder builder) { return builder ? LengthOf(builder) : 0; }
void TextBuilderSetAllocationLimitForTesting(int64_t bytes) { g_allocation_limit = bytes; }

}  // namespace sparlin
