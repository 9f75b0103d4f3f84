// The pruning text that scans the assembly once into an index of reference
// forms and records the removal steps' edits as positions: every search is
// answered from the index, and the new text is made once at the end, where
// the text stands (each part of it moved once to its new place).
//
// The answers equal those of searches over the edited text because, for
// symbols and library names made of identifier characters, an inserted "; "
// neither breaks nor creates a form, and taking out a whole header line joins
// nothing into a new one. Names of other characters are counted form by form
// over the whole text; when one of them is still in the table after the
// count, the removal steps work on the literal text instead (EditingText).
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "pruning/literal_text.h"
#include "pruning/pruning_text.h"
#include "pruning/reference_index.h"

namespace sparlin {

class IndexedText final : public PruningText {
 public:
  IndexedText(std::string text, bool is_64_bit) : original_(std::move(text)), is_64_bit_(is_64_bit) {}

  std::vector<int64_t> CountReferences(const std::vector<UString>& symbols,
                                       const std::vector<UString>& libraries) override;
  // The literal text when a library or a symbol left in the table is not an
  // identifier; this text otherwise.
  PruningText& EditingText(const LibraryTable& table) override;
  std::string_view Unedited() const override { return original_; }
  void CommentOutFirstDeclaration(const UString& symbol) override;
  void CommentOutFunction(const UString& symbol) override;
  bool Declares(DeclarationCheck check) override;
  bool MentionsSimpleListHelpers() override;
  bool HasHeaderLine(const UString& library) override;
  void RemoveHeaderLine(const UString& library) override;
  bool OccursBehindEndFunctions(const UString& symbol) override;
  std::string Take() override;

 private:
  struct Deletion {
    size_t position;
    size_t length;
  };
  // One piece of the edited text: a part of the unedited text, or "; ".
  struct Piece {
    size_t from;
    size_t length;  // 0 for "; "
  };

  size_t SymbolId(const UString& symbol) const;
  void Insert(size_t position);
  bool Alive(size_t position, size_t length) const;
  size_t CurrentPosition(size_t position) const;
  std::vector<Piece> Pieces() const;
  // Makes the edits within the unedited text itself.
  void EditInPlace();
  // The byte of the edited text at which its 16th character begins.
  size_t SixteenthCharacter() const;
  std::optional<size_t> FirstHeaderLine(const UString& library);

  std::string original_;
  bool is_64_bit_;
  std::unique_ptr<LiteralText> literal_;  // the text of a run with other names

  std::vector<UString> symbols_;    // the identifier symbols, indexed
  std::vector<UString> libraries_;  // the identifier library names, indexed
  std::unordered_map<UStringView, size_t> symbol_ids_;
  std::unordered_map<UStringView, size_t> library_ids_;
  std::unique_ptr<ReferenceIndex> index_;

  std::vector<size_t> insertions_;
  std::vector<uint64_t> inserted_at_;  // one bit per position of the text
  std::vector<Deletion> deletions_;
};

}  // namespace sparlin
