// A text builder that is fed in blocks: the rewriting passes add many short
// pieces (a line, its line break), which are gathered here and handed to the
// builder a block at a time, so that no piece needs a string of its own.
#pragma once

#include <cstring>
#include <memory>
#include <optional>

#include "text/text_builder.h"
#include "text/ustring.h"

namespace sparlin {

template <typename Char>
class BasicBufferedTextBuilder {
 public:
  using String = typename BasicTextBuilder<Char>::String;
  using View = typename BasicTextBuilder<Char>::View;
  static constexpr size_t kBlock = 32768;  // code units
  // UTF-8 bytes hold up to three bytes a code unit.
  static constexpr size_t kBlockBytes = sizeof(Char) == 1 ? 3 * kBlock : kBlock;

  explicit BasicBufferedTextBuilder(const TextBuilderLimits& limits = {})
      : builder_(limits), pending_(std::make_unique<Char[]>(kBlockBytes)) {}

  // A piece that does not fit behind the gathered ones sends them on first;
  // a piece larger than a block goes on by itself.
  void Append(View piece) { Append(piece, piece.size()); }
  // The same for UTF-8 bytes that decode to `units` UTF-16 code units: the
  // builder is handed the same appends as for the decoded text.
  void Append(View piece, size_t units) {
    if (piece.empty()) return;
    if (pending_units_ + units > kBlock) {
      Flush();
      if (units > kBlock) {
        builder_.AppendCounted(piece, static_cast<int64_t>(units));
        size_ += units;
        return;
      }
    }
    std::memcpy(pending_.get() + pending_size_, piece.data(), piece.size() * sizeof(Char));
    pending_size_ += piece.size();
    pending_units_ += units;
    size_ += units;
  }
  // Room for about `units` code units in all (see TextBuilder::Reserve).
  void Reserve(size_t units) { builder_.Reserve(units); }
  // Code units added so far.
  size_t Size() const { return size_; }
  // The whole text; nothing when the builder could not hold it.
  std::optional<String> Finish() {
    Flush();
    if (builder_.Failed()) return std::nullopt;
    return builder_.TakeText();
  }

 private:
  void Flush() {
    if (pending_size_ == 0) return;
    builder_.AppendCounted(View(pending_.get(), pending_size_), static_cast<int64_t>(pending_units_));
    pending_size_ = 0;
    pending_units_ = 0;
  }

  BasicTextBuilder<Char> builder_;
  std::unique_ptr<Char[]> pending_;
  size_t pending_size_ = 0;
  size_t pending_units_ = 0;
  size_t size_ = 0;
};

using BufferedTextBuilder = BasicBufferedTextBuilder<char16_t>;
using BufferedByteTextBuilder = BasicBufferedTextBuilder<char>;

}  // namespace sparlin
