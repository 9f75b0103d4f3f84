// The assembly text of one pruning run as the removal steps see it: the
// counts of the reference forms, the searches they make and the edits they
// order. The text is UTF-8 bytes; positions and lengths are bytes.
//
// Two texts answer to it: the indexed one, which scans the text once and
// records its edits as positions, and the literal one, which searches and
// rewrites the whole text at every step.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "pruning/library_table.h"
#include "text/ustring.h"

namespace sparlin {

// "extrn " + name or "extrn _" + name, for the names that decide whether a
// start-up symbol must stay.
enum class DeclarationCheck : uint8_t {
  kScintillaGadget,
  kOpenWindow,
  kAllocateArray,
  kInitImage,
  kRuntimeAddInteger,
  kCount
};
std::string_view DeclarationCheckName(DeclarationCheck check);

class PruningText {
 public:
  virtual ~PruningText() = default;

  // References of each symbol (the counted forms, summed) in the text as it
  // was given.
  virtual std::vector<int64_t> CountReferences(const std::vector<UString>& symbols,
                                               const std::vector<UString>& libraries) = 0;
  // The text that the removal steps work on once the count is known: this
  // one, or another that answers for names this one cannot answer for. Asked
  // once, before the first edit.
  virtual PruningText& EditingText(const LibraryTable& table) { (void)table; return *this; }

  // The text as it was given: the text as it stands while nothing is edited.
  virtual std::string_view Unedited() const = 0;

  // Comments out the first occurrence of each declaration form of `symbol`.
  virtual void CommentOutFirstDeclaration(const UString& symbol) = 0;
  // Comments out every occurrence of its declaration forms, then of its call forms.
  virtual void CommentOutFunction(const UString& symbol) = 0;
  // The text contains "extrn " + name or "extrn _" + name.
  virtual bool Declares(DeclarationCheck check) = 0;
  // The text contains "PB_SimpleList_".
  virtual bool MentionsSimpleListHelpers() = 0;
  // The text contains "; " + library + "\r\n".
  virtual bool HasHeaderLine(const UString& library) = 0;
  // Takes out the first "; " + library + "\r\n".
  virtual void RemoveHeaderLine(const UString& library) = 0;
  // `symbol` occurs from 16 characters behind the start of the first
  // "PB_EndFunctions:\r\n" on (from the 16th character without one).
  virtual bool OccursBehindEndFunctions(const UString& symbol) = 0;

  // The edited text; the object is spent.
  virtual std::string Take() = 0;
};

}  // namespace sparlin
