// The assembly text during one pruning run, as the unchanged text plus a list
// of edits: "; " put in front of a reference form, a header line
// "; " + library + "\r\n" taken out. Every search of a removal step is
// answered from the reference index; the new text is made once at the end,
// where the text stands when it is ASCII held as bytes (each part of it moved
// once to its new place), else as a new text.
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
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "pruning/reference_index.h"
#include "text/ustring.h"

namespace sparlin {

// Char is char16_t for UTF-16 text, or char for ASCII text held as bytes,
// which the assembly stage edits in place.
template <typename Char>
class BasicPrunedText {
 public:
  using String = std::basic_string<Char>;
  using View = std::basic_string_view<Char>;

  BasicPrunedText(String text, bool is_64_bit);

  // References of each symbol (the counted forms, summed), for the unedited
  // text; indexes it for the later steps.
  std::vector<int64_t> CountReferences(const std::vector<UString>& symbols, const std::vector<UString>& libraries);

  // The text as it was given, the text as it stands while no edit has been made.
  View Unedited() const { return original_; }

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
  String Take();
  // The same, UTF-8 encoded as the file is written, without the UTF-16 text
  // being built first; ASCII text is edited where it stands.
  std::string TakeUtf8();

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
  // The edited text, piece by piece in order.
  std::vector<Piece> Pieces() const;
  String Build() const;
  // Makes the edits within the unedited text itself.
  void EditInPlace();
  void UseLiteralText();
  std::optional<size_t> FirstHeaderLine(const UString& library);

  String original_;
  bool is_64_bit_;
  bool literal_ = false;
  UString current_;  // the text, once literal

  std::vector<UString> symbols_;    // the identifier symbols, indexed
  std::vector<UString> libraries_;  // the identifier library names, indexed
  std::unordered_map<UStringView, size_t, ViewHash> symbol_ids_;
  std::unordered_map<UStringView, size_t, ViewHash> library_ids_;
  std::unique_ptr<BasicReferenceIndex<Char>> index_;

  std::vector<size_t> insertions_;
  std::vector<uint64_t> inserted_at_;  // one bit per position of the text
  std::vector<Deletion> deletions_;
};

using PrunedText = BasicPrunedText<char16_t>;

extern template class BasicPrunedText<char16_t>;
extern template class BasicPrunedText<char>;

}  // namespace sparlin
