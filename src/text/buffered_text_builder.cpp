#include "text/buffered_text_builder.h"

namespace sparlin {
namespace {

constexpr size_t kPendingBlock = 32768;

}  // namespace

template <typename Char>
BasicBufferedTextBuilder<Char>::BasicBufferedTextBuilder(const TextBuilderLimits& limits) : builder_(limits) {
  pending_.reserve(kPendingBlock);
}

template <typename Char>
void BasicBufferedTextBuilder<Char>::Append(View piece) {
  if (pending_.size() + piece.size() > kPendingBlock) Flush();
  pending_.append(piece);
  size_ += piece.size();
}

template <typename Char>
void BasicBufferedTextBuilder<Char>::Flush() {
  if (pending_.empty()) return;
  builder_.Append(pending_);
  pending_.clear();
}

template <typename Char>
std::optional<typename BasicBufferedTextBuilder<Char>::String> BasicBufferedTextBuilder<Char>::Finish() {
  Flush();
  if (builder_.Failed()) return std::nullopt;
  return builder_.TakeText();
}

template class BasicBufferedTextBuilder<char16_t>;
template class BasicBufferedTextBuilder<char>;

}  // namespace sparlin
