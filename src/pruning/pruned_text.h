// The assembly text during one pruning run, as the unchanged text plus a list
// of edits: "; " put in front of a reference form, a header line
// "; " + library + "\r\n" taken out. Every search of a removal step is
// answered from the reference index; the new text is built once at the end.
//
// The answers equal those of searches over the edited text because, for
// identifier symbols and library names, an inserted "; " neither breaks nor
// creates a form, and taking out a whole header line joins nothing into a
// new one. Where that does not hold (a symbol or library name that is not an
// identifier, a header that does not begin a line), the text is built at that
// moment and every later step searches and rewrites it literally.
#pragma once

#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "pruning/reference_index.h"
#include "text/ustring.h"

namespace sparlin {

class PrunedText {
 public:
  PrunedText(UString text, bool is_64_bit);

  // References of each symbol (the counted forms, summed), for the unedited
  // text; indexes it for the later steps.
  std::vector<int64_t> CountReferences(const std::vector<UString>& symbols, const std::vector<UString>& libraries);

  // The text as it stands, valid while no edit has been made.
  UStringView Unedited() const;

  // Comments out the first occurrence of each declaration form of `symbol`.
  void CommentOutFirstDeclaration(const UString& symbol);
  // Comments out every occurrence of its declaration, then its call forms.
  void CommentOutFunction(const UString& symbol);

  // The text contains "extrn " + name or "extrn _" + name.
  bool Declares(DeclarationCheck check);
  // The text contains "PB_SimpleList_".
  bool MentionsSimpleListHelpers();
  // The text contains "; " + library + "\r\n".
  bool HasHeaderLine(const UString& library);
  // Takes out the first "; " + library + "\r\n".
  void RemoveHeaderLine(const UString& library);
  // `symbol` occurs in the text from 16 characters behind the start of the
  // first "PB_EndFunctions:\r\n" on (from the 16th character without one).
  bool OccursBehindEndFunctions(const UString& symbol);

  // The edited text; the object is spent.
  UString Take();
  // The same, UTF-8 encoded as the file is written, without the UTF-16 text
  // being built first.
  std::string TakeUtf8();

 private:
  struct Deletion {
    size_t position;
    size_t length;
  };

  size_t SymbolId(const UString& symbol) const;
  void Insert(size_t position);
  bool Alive(size_t position, size_t length) const;
  size_t CurrentPosition(size_t position) const;
  // Hands the edited text to `append` piece by piece, in order.
  template <typename Append>
  void Emit(Append append) const;
  UString Build() const;
  void UseLiteralText();
  std::optional<size_t> FirstHeaderLine(const UString& library);

  UString original_;
  bool is_64_bit_;
  bool literal_ = false;
  UString current_;  // the text, once literal

  std::vector<UString> symbols_;    // the identifier symbols, indexed
  std::vector<UString> libraries_;  // the identifier library names, indexed
  std::unordered_map<UStringView, size_t, ViewHash> symbol_ids_;
  std::unordered_map<UStringView, size_t, ViewHash> library_ids_;
  std::unique_ptr<ReferenceIndex> index_;

  std::vector<size_t> insertions_;
  std::vector<uint64_t> inserted_at_;  // one bit per position of the text
  std::vector<Deletion> deletions_;
};

}  // namespace sparlin
