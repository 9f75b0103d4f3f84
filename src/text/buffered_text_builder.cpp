#include "text/buffered_text_builder.h"

namespace sparlin {
namespace {

constexpr size_t kPendingBlock = 32768;

}  // namespace

BufferedTextBuilder::BufferedTextBuilder(const TextBuilderLimits& limits) : builder_(limits) {
  pending_.reserve(kPendingBlock);
}

void BufferedTextBuilder::Append(UStringView piece) {
  if (pending_.size() + piece.size() > kPendingBlock) Flush();
  pending_.append(piece);
  size_ += piece.size();
}

void BufferedTextBuilder::Flush() {
  if (pending_.empty()) return;
  builder_.Append(pending_);
  pending_.clear();
}

std::optional<UString> BufferedTextBuilder::Finish() {
  Flush();
  if (builder_.Failed()) return std::nullopt;
  return builder_.TakeText();
}

}  // namespace sparlin
