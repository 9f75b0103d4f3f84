#include "pruning/indexed_text.h"

#include <algorithm>
#include <cstring>

#include "asm_format/reference_forms.h"
#include "text/byte_scan.h"
#include "text/text_ops.h"
#include "text/utf8_pieces.h"

namespace sparlin {
namespace {

constexpr size_t kEndOffset = 16;  // the search starts this far behind the label's start

}  // namespace

std::vector<int64_t> IndexedText::CountReferences(const std::vector<UString>& symbols,
                                                 const std::vector<UString>& libraries) {
  std::vector<int64_t> counts(symbols.size(), 0);
  std::vector<size_t> indexed;
  std::vector<size_t> suspects;  // symbols that are not identifiers: rare, from damaged library files
  std::vector<size_t> suspect_lead;  // by suspect: its leading identifier part, in suspect_leads
  std::vector<UString> suspect_leads;  // each once: several suspects can share one
  std::unordered_map<UString, size_t> lead_ids;
  for (size_t i = 0; i < symbols.size(); ++i) {
    if (IsIdentifier(symbols[i])) {
      indexed.push_back(i);
      symbols_.push_back(symbols[i]);
    } else {
      size_t lead = 0;
      while (lead < symbols[i].size() && IsIdentifierChar(symbols[i][lead])) ++lead;
      auto id = lead_ids.emplace(symbols[i].substr(0, lead), suspect_leads.size());
      if (id.second) suspect_leads.push_back(id.first->first);
      suspects.push_back(i);
      suspect_lead.push_back(id.first->second);
    }
  }
  for (const UString& library : libraries) {
    if (IsIdentifier(library)) libraries_.push_back(library);
  }
  for (size_t i = 0; i < symbols_.size(); ++i) symbol_ids_.emplace(symbols_[i], i);
  for (size_t i = 0; i < libraries_.size(); ++i) library_ids_.emplace(libraries_[i], i);
  index_ = std::make_unique<ReferenceIndex>(original_, symbols_, libraries_, suspect_leads, is_64_bit_);
  for (size_t i = 0; i < indexed.size(); ++i) counts[indexed[i]] = index_->References(i);

  // A suspect can have a form only where its leading part stood as the
  // whole name at a form's place; those are counted form by form.
  for (size_t k = 0; k < suspects.size(); ++k) {
    if (!index_->SuspectSeen(suspect_lead[k])) continue;
    for (const UString& form : CountedForms(symbols[suspects[k]], is_64_bit_)) {
      counts[suspects[k]] += static_cast<int64_t>(Utf8Pattern(form).Count(original_));
    }
  }
  return counts;
}

PruningText& IndexedText::EditingText(const LibraryTable& table) {
  bool identifiers = true;
  for (const auto& library : table.entries()) {
    identifiers = identifiers && IsIdentifier(library.key);
    for (const auto& function : library.value.entries()) identifiers = identifiers && IsIdentifier(function.key);
  }
  // Taking out a header line that does not begin a line could join its
  // neighbours into a new form.
  for (size_t id = 0; identifiers && id < libraries_.size(); ++id) {
    for (size_t at : index_->HeaderLines(id)) identifiers = identifiers && (at == 0 || original_[at - 1] == '\n');
  }
  if (identifiers) return *this;
  index_.reset();
  literal_ = std::make_unique<LiteralText>(std::move(original_), is_64_bit_);
  return *literal_;
}

size_t IndexedText::SymbolId(const UString& symbol) const {
  auto found = symbol_ids_.find(symbol);
  return found == symbol_ids_.end() ? std::string::npos : found->second;
}

void IndexedText::Insert(size_t position) {
  if (inserted_at_.empty()) inserted_at_.assign(original_.size() / 64 + 1, 0);
  insertions_.push_back(position);
  inserted_at_[position / 64] |= uint64_t{1} << (position % 64);
}

// An occurrence in the unedited text is still there when no "; " went in
// strictly inside it and no taken-out line overlaps it.
bool IndexedText::Alive(size_t position, size_t length) const {
  if (!inserted_at_.empty()) {
    for (size_t p = position + 1; p < position + length; ++p) {
      if (inserted_at_[p / 64] >> (p % 64) & 1) return false;
    }
  }
  for (const Deletion& d : deletions_) {
    if (d.position < position + length && position < d.position + d.length) return false;
  }
  return true;
}

size_t IndexedText::CurrentPosition(size_t position) const {
  size_t current = position;
  for (size_t p : insertions_) {
    if (p <= position) current += 2;
  }
  for (const Deletion& d : deletions_) {
    if (d.position < position) current -= std::min(d.length, position - d.position);
  }
  return current;
}

void IndexedText::CommentOutFirstDeclaration(const UString& symbol) {
  size_t id = SymbolId(symbol);
  if (id == std::string::npos) return;
  std::vector<FormKind> kinds = is_64_bit_ ? std::vector<FormKind>{FormKind::kExtrn}
                                           : std::vector<FormKind>{FormKind::kExtrnUnderscoreAt, FormKind::kExtrn};
  for (FormKind kind : kinds) {
    for (const FormOccurrence* f = index_->FormsBegin(id); f != index_->FormsEnd(id); ++f) {
      if (f->kind == kind) {
        Insert(f->position);
        break;
      }
    }
  }
}

void IndexedText::CommentOutFunction(const UString& symbol) {
  // The index holds exactly the declaration and call forms of the bitness.
  size_t id = SymbolId(symbol);
  if (id == std::string::npos) return;
  for (const FormOccurrence* f = index_->FormsBegin(id); f != index_->FormsEnd(id); ++f) Insert(f->position);
}

bool IndexedText::Declares(DeclarationCheck check) {
  for (const TextSpan& span : index_->Declarations(check)) {
    if (Alive(span.position, span.length)) return true;
  }
  return false;
}

bool IndexedText::MentionsSimpleListHelpers() {
  static constexpr UStringView kHelpers = u"PB_SimpleList_";
  for (size_t at : index_->SimpleListHelpers()) {
    if (Alive(at, kHelpers.size())) return true;
  }
  return false;
}

std::optional<size_t> IndexedText::FirstHeaderLine(const UString& library) {
  auto found = library_ids_.find(library);
  if (found == library_ids_.end()) return std::nullopt;
  for (size_t at : index_->HeaderLines(found->second)) {
    if (Alive(at, library.size() + 4)) return at;
  }
  return std::nullopt;
}

bool IndexedText::HasHeaderLine(const UString& library) {
  return FirstHeaderLine(library).has_value();
}

void IndexedText::RemoveHeaderLine(const UString& library) {
  std::optional<size_t> at = FirstHeaderLine(library);
  if (at) deletions_.push_back({*at, library.size() + 4});
}

bool IndexedText::OccursBehindEndFunctions(const UString& symbol) {
  size_t id = SymbolId(symbol);
  const std::vector<size_t>* occurrences = id == std::string::npos ? nullptr : index_->CleanUpOccurrences(id);
  if (!occurrences) return false;
  // No edit moves, makes or breaks the label, so the search starts 16
  // characters behind it in the unedited text too. Without the label it
  // starts at the 16th character of the text as it stands.
  size_t label = index_->EndFunctionsLabel();
  size_t first = label == std::string::npos ? SixteenthCharacter() : 0;
  size_t taken_out = 0;
  for (const Deletion& d : deletions_) taken_out += d.length;
  for (size_t at : *occurrences) {
    if (label != std::string::npos) {
      if (at < label + kEndOffset) continue;
    } else if (at < first + taken_out && CurrentPosition(at) < first) {
      continue;  // only the first few characters need the edits counted
    }
    if (Alive(at, symbol.size())) return true;
  }
  return false;
}

// Only the first characters of the edited text are made: the edits there
// decide where its 16th character stands.
size_t IndexedText::SixteenthCharacter() const {
  std::string head;
  for (const Piece& piece : Pieces()) {
    head += piece.length == 0 ? std::string_view("; ") : std::string_view(original_).substr(piece.from, piece.length);
    if (head.size() >= 4 * kEndOffset) break;
  }
  return ByteOfUnit(head, kEndOffset - 1);
}

std::vector<IndexedText::Piece> IndexedText::Pieces() const {
  std::vector<size_t> insertions = insertions_;
  std::sort(insertions.begin(), insertions.end());
  std::vector<Deletion> deletions = deletions_;
  std::sort(deletions.begin(), deletions.end(),
            [](const Deletion& a, const Deletion& b) { return a.position < b.position; });
  std::vector<Piece> pieces;
  pieces.reserve(2 * insertions.size() + deletions.size() + 1);
  size_t copied = 0;  // the unedited text before this is handled
  size_t i = 0;
  size_t j = 0;
  while (i < insertions.size() || j < deletions.size()) {
    bool insertion = j == deletions.size() || (i < insertions.size() && insertions[i] <= deletions[j].position);
    size_t at = insertion ? insertions[i] : deletions[j].position;
    if (at > copied) {
      pieces.push_back({copied, at - copied});
      copied = at;
    }
    if (insertion) {
      if (at == copied) pieces.push_back({at, 0});
      ++i;
    } else {
      copied = std::max(copied, at + deletions[j].length);
      ++j;
    }
  }
  if (copied < original_.size()) pieces.push_back({copied, original_.size() - copied});
  return pieces;
}

// Each part of the unedited text moves to its place in the edited text: the
// parts that move towards the start first, in text order, then those that
// move towards the end, from the last one back, so that no part is
// overwritten before it has moved. The "; " go in once every part stands.
void IndexedText::EditInPlace() {
  std::vector<Piece> pieces = Pieces();
  std::vector<size_t> destinations(pieces.size());
  size_t size = 0;
  for (size_t k = 0; k < pieces.size(); ++k) {
    destinations[k] = size;
    size += pieces[k].length == 0 ? 2 : pieces[k].length;
  }
  if (size > original_.size()) original_.resize(size);
  char* text = original_.data();
  for (size_t k = 0; k < pieces.size(); ++k) {
    if (pieces[k].length != 0 && destinations[k] < pieces[k].from) {
      std::memmove(text + destinations[k], text + pieces[k].from, pieces[k].length );
    }
  }
  for (size_t k = pieces.size(); k-- > 0;) {
    if (pieces[k].length != 0 && destinations[k] > pieces[k].from) {
      std::memmove(text + destinations[k], text + pieces[k].from, pieces[k].length );
    }
  }
  for (size_t k = 0; k < pieces.size(); ++k) {
    if (pieces[k].length != 0) continue;
    text[destinations[k]] = ';';
    text[destinations[k] + 1] = ' ';
  }
  original_.resize(size);
}

std::string IndexedText::Take() {
  if (!insertions_.empty() || !deletions_.empty()) EditInPlace();
  return std::move(original_);
}

}  // namespace sparlin
