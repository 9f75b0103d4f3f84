// The pruning text that searches and rewrites the whole text at every step:
// each count, search and edit is a pass over the text as it stands. It
// serves the runs whose names the index cannot answer for.
#pragma once

#include "pruning/pruning_text.h"
#include "text/utf8_pieces.h"

namespace sparlin {

class LiteralText final : public PruningText {
 public:
  LiteralText(std::string text, bool is_64_bit) : text_(std::move(text)), is_64_bit_(is_64_bit) {}

  std::vector<int64_t> CountReferences(const std::vector<UString>& symbols,
                                       const std::vector<UString>& libraries) override;
  std::string_view Unedited() const override { return text_; }
  void CommentOutFirstDeclaration(const UString& symbol) override;
  void CommentOutFunction(const UString& symbol) override;
  bool Declares(DeclarationCheck check) override;
  bool MentionsSimpleListHelpers() override;
  bool HasHeaderLine(const UString& library) override;
  void RemoveHeaderLine(const UString& library) override;
  bool OccursBehindEndFunctions(const UString& symbol) override;
  std::string Take() override { return std::move(text_); }

 private:
  void CommentOutFirst(const Utf8Pattern& form);
  void CommentOutAll(const Utf8Pattern& form);

  std::string text_;
  bool is_64_bit_;
};

}  // namespace sparlin
