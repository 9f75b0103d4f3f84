// A TextBuilder that is fed in blocks: the rewriting passes add many short
// pieces (a line, its line break), which are gathered here and handed to the
// builder a block at a time, so that no piece needs a string of its own.
#pragma once

#include <optional>

#include "text/text_builder.h"
#include "text/ustring.h"

namespace sparlin {

class BufferedTextBuilder {
 public:
  explicit BufferedTextBuilder(const TextBuilderLimits& limits = {});

  void Append(UStringView piece);
  // Room for about `units` code units in all (see TextBuilder::Reserve).
  void Reserve(size_t units) { builder_.Reserve(units); }
  // Code units added so far.
  size_t Size() const { return size_; }
  // The whole text; nothing when the builder could not hold it.
  std::optional<UString> Finish();

 private:
  void Flush();

  TextBuilder builder_;
  UString pending_;
  size_t size_ = 0;
};

}  // namespace sparlin
