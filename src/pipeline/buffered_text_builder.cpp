#include "pipeline/buffered_text_builder.h"

namespace sparlin {
namespace {

constexpr size_t kPendingBlock = 32768;

}  // namespace

BufferedTextBuilder::BufferedTextBuilder() : builder_(TextBuilderNew()) { pending_.reserve(kPendingBlock); }

BufferedTextBuilder::~BufferedTextBuilder() { TextBuilderFree(builder_); }

void BufferedTextBuilder::Append(UStringView piece) {
  if (pending_.size() + piece.size() > kPendingBlock) Flush();
  pending_.append(piece);
  size_ += piece.size();
}

void BufferedTextBuilder::Flush() {
  if (pending_.empty()) return;
  TextBuilderAppend(builder_, std::move(pending_));
  pending_ = UString();
  pending_.reserve(kPendingBlock);
}

std::optional<UString> BufferedTextBuilder::Finish() {
  Flush();
  if (!builder_ || TextBuilderFailed(builder_)) return std::nullopt;
  return TextBuilderText(builder_);
}

}  // namespace sparlin
