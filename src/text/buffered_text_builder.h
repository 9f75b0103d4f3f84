// A text builder that is fed in blocks: the rewriting passes add many short
// pieces (a line, its line break), which are gathered here and handed to the
// builder a block at a time, so that no piece needs a string of its own.
#pragma once

#include <optional>

#include "text/text_builder.h"
#include "text/ustring.h"

namespace sparlin {

template <typename Char>
class BasicBufferedTextBuilder {
 public:
  using String = typename BasicTextBuilder<Char>::String;
  using View = typename BasicTextBuilder<Char>::View;

  explicit BasicBufferedTextBuilder(const TextBuilderLimits& limits = {});

  void Append(View piece);
  // Room for about `units` code units in all (see TextBuilder::Reserve).
  void Reserve(size_t units) { builder_.Reserve(units); }
  // Code units added so far.
  size_t Size() const { return size_; }
  // The whole text; nothing when the builder could not hold it.
  std::optional<String> Finish();

 private:
  void Flush();

  BasicTextBuilder<Char> builder_;
  String pending_;
  size_t size_ = 0;
};

using BufferedTextBuilder = BasicBufferedTextBuilder<char16_t>;
using BufferedByteTextBuilder = BasicBufferedTextBuilder<char>;

extern template class BasicBufferedTextBuilder<char16_t>;
extern template class BasicBufferedTextBuilder<char>;

}  // namespace sparlin
