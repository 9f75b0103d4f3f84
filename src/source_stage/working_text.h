// The working text of the removal passes: every line of the preprocessed
// file, trimmed of blanks and followed by "\r\n", gathered in a TextBuilder.
#pragma once

#include <optional>

#include "pipeline/text_builder.h"
#include "text/ustring.h"

namespace sparlin {

class WorkingTextBuilder {
 public:
  WorkingTextBuilder();
  ~WorkingTextBuilder();
  WorkingTextBuilder(const WorkingTextBuilder&) = delete;
  WorkingTextBuilder& operator=(const WorkingTextBuilder&) = delete;

  // Adds `line` and "\r\n".
  void AddLine(UStringView line);
  // Offset at which the next line begins.
  size_t Size() const { return size_; }
  // The whole text; nothing when it could not be held in memory.
  std::optional<UString> Finish();

 private:
  void Flush();

  TextBuilder builder_;
  // Lines are gathered in a block of their own and handed over a block at a
  // time, so that the builder is not called once per line.
  UString pending_;
  size_t size_ = 0;
};

// `line` without leading and trailing blanks (space characters only).
UStringView TrimBlanksView(UStringView line);

}  // namespace sparlin
