// An append-only UTF-16 text buffer for the rewriting passes. The block holds
// a 32-bit length followed by the code units; it starts at 20484 bytes and
// grows to round(needed * 1.28 + 4.0) bytes when an append does not fit.
#pragma once

#include <cstdint>

#include "text/ustring.h"

namespace sparlin {

struct TextBuilderHandle;  // holds the one pointer to the block
using TextBuilder = TextBuilderHandle*;

// Null when memory could not be obtained.
TextBuilder TextBuilderNew();
// Appends the first `count` code units of `text` (all of it when count <= 0).
// Returns 0. An append that would pass 2^31 - 1 code units, or whose growth
// fails, leaves the buffer as it was and marks the builder as failed.
int TextBuilderAppend(TextBuilder builder, UString text, int64_t count = 0);
// The stored text; the empty text for a null handle.
UString TextBuilderText(TextBuilder builder);
// Releases block and handle; a null handle is ignored. Returns 0.
int TextBuilderFree(TextBuilder builder);

// True once an append could not be stored; the caller then fails its pass.
bool TextBuilderFailed(TextBuilder builder);
// The block's size in bytes and the stored length (for tests).
int64_t TextBuilderCapacity(TextBuilder builder);
int32_t TextBuilderLength(TextBuilder builder);

// Test hook: the largest block the builder may allocate (0: no limit), so
// that failed growth can be exercised.
void TextBuilderSetAllocationLimitForTesting(int64_t bytes);

}  // namespace sparlin
