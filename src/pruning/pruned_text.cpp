#include "pruning/pruned_text.h"

#include <algorithm>
#include <cstring>

#include "asm_format/reference_forms.h"
#include "text/text_ops.h"

namespace sparlin {
namespace {

constexpr UStringView kEndLabel = u"PB_EndFunctions:\r\n";
constexpr size_t kEndOffset = 16;  // the search starts this far behind the label's start

// The names and forms are UTF-16; ASCII text widens code for code.
UStringView Wide(UStringView text) { return text; }
UString Wide(std::string_view text) { return UString(text.begin(), text.end()); }

}  // namespace

template <typename Char>
BasicPrunedText<Char>::BasicPrunedText(String text, bool is_64_bit)
    : original_(std::move(text)), is_64_bit_(is_64_bit) {}

template <typename Char>
std::vector<int64_t> BasicPrunedText<Char>::CountReferences(const std::vector<UString>& symbols,
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
  index_ = std::make_unique<BasicReferenceIndex<Char>>(original_, symbols_, libraries_, suspect_leads, is_64_bit_);
  for (size_t i = 0; i < indexed.size(); ++i) counts[indexed[i]] = index_->References(i);

  // A suspect whose leading part stood where a form's symbol stands is
  // counted form by form; once one has references, the removal steps work on
  // the text itself.
  bool literal_survivor = false;
  for (size_t k = 0; k < suspects.size(); ++k) {
    if (!index_->SuspectSeen(suspect_lead[k])) continue;
    for (const UString& form : CountedForms(symbols[suspects[k]], is_64_bit_)) {
      counts[suspects[k]] += static_cast<int64_t>(CountOccurrences(Wide(original_), form));
    }
    literal_survivor = literal_survivor || counts[suspects[k]] > 0;
  }
  if (literal_survivor) UseLiteralText();
  return counts;
}

template <typename Char>
size_t BasicPrunedText<Char>::SymbolId(const UString& symbol) const {
  auto found = symbol_ids_.find(symbol);
  return found == symbol_ids_.end() ? UString::npos : found->second;
}

template <typename Char>
void BasicPrunedText<Char>::Insert(size_t position) {
  if (inserted_at_.empty()) inserted_at_.assign(original_.size() / 64 + 1, 0);
  insertions_.push_back(position);
  inserted_at_[position / 64] |= uint64_t{1} << (position % 64);
}

// An occurrence in the unedited text is still there when no "; " went in
// strictly inside it and no taken-out line overlaps it.
template <typename Char>
bool BasicPrunedText<Char>::Alive(size_t position, size_t length) const {
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

template <typename Char>
size_t BasicPrunedText<Char>::CurrentPosition(size_t position) const {
  size_t current = position;
  for (size_t p : insertions_) {
    if (p <= position) current += 2;
  }
  for (const Deletion& d : deletions_) {
    if (d.position < position) current -= std::min(d.length, position - d.position);
  }
  return current;
}

template <typename Char>
void BasicPrunedText<Char>::CommentOutFirstDeclaration(const UString& symbol) {
  if (literal_) {
    for (const UString& form : DeclarationForms(symbol, is_64_bit_)) current_ = CommentOutFirst(current_, form);
    return;
  }
  size_t id = SymbolId(symbol);
  if (id == UString::npos) return;
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

template <typename Char>
void BasicPrunedText<Char>::CommentOutFunction(const UString& symbol) {
  if (literal_) {
    for (const UString& form : DeclarationForms(symbol, is_64_bit_)) current_ = CommentOutAll(current_, form);
    for (const UString& form : CallForms(symbol, is_64_bit_)) current_ = CommentOutAll(current_, form);
    return;
  }
  // The index holds exactly the declaration and call forms of the bitness.
  size_t id = SymbolId(symbol);
  if (id == UString::npos) return;
  for (const FormOccurrence* f = index_->FormsBegin(id); f != index_->FormsEnd(id); ++f) Insert(f->position);
}

template <typename Char>
bool BasicPrunedText<Char>::Declares(DeclarationCheck check) {
  std::string_view check_name = DeclarationCheckName(check);
  UString name(check_name.begin(), check_name.end());
  if (literal_) return Contains(current_, u"extrn " + name) || Contains(current_, u"extrn _" + name);
  for (const TextSpan& span : index_->Declarations(check)) {
    if (Alive(span.position, span.length)) return true;
  }
  return false;
}

template <typename Char>
bool BasicPrunedText<Char>::MentionsSimpleListHelpers() {
  static constexpr UStringView kHelpers = u"PB_SimpleList_";
  if (literal_) return Contains(current_, kHelpers);
  for (size_t at : index_->SimpleListHelpers()) {
    if (Alive(at, kHelpers.size())) return true;
  }
  return false;
}

template <typename Char>
std::optional<size_t> BasicPrunedText<Char>::FirstHeaderLine(const UString& library) {
  auto found = library_ids_.find(library);
  if (found == library_ids_.end()) return std::nullopt;
  for (size_t at : index_->HeaderLines(found->second)) {
    if (Alive(at, library.size() + 4)) return at;
  }
  return std::nullopt;
}

template <typename Char>
bool BasicPrunedText<Char>::HasHeaderLine(const UString& library) {
  if (!literal_ && !IsIdentifier(library)) UseLiteralText();
  if (literal_) return Contains(current_, u"; " + library + u"\r\n");
  return FirstHeaderLine(library).has_value();
}

template <typename Char>
void BasicPrunedText<Char>::RemoveHeaderLine(const UString& library) {
  if (!literal_ && !IsIdentifier(library)) UseLiteralText();
  if (!literal_) {
    std::optional<size_t> at = FirstHeaderLine(library);
    if (!at) return;
    // Taking out a line that does not begin a line could join its
    // neighbours into a new form.
    if (*at == 0 || original_[*at - 1] == '\n') {
      deletions_.push_back({*at, library.size() + 4});
      return;
    }
    UseLiteralText();
  }
  UString header = u"; " + library + u"\r\n";
  size_t hit = current_.find(header);
  if (hit != UString::npos) current_.erase(hit, header.size());
}

template <typename Char>
bool BasicPrunedText<Char>::OccursBehindEndFunctions(const UString& symbol) {
  if (!literal_ && !IsIdentifier(symbol)) UseLiteralText();
  if (literal_) {
    size_t label = current_.find(kEndLabel);
    size_t from = (label == UString::npos ? 0 : label + 1) + kEndOffset - 1;
    return current_.find(symbol, from) != UString::npos;
  }
  size_t id = SymbolId(symbol);
  const std::vector<size_t>* occurrences = id == UString::npos ? nullptr : index_->CleanUpOccurrences(id);
  if (!occurrences) return false;
  // No edit moves, makes or breaks the label, so the search starts 16
  // characters behind it in the unedited text too. Without the label it
  // starts at the 16th character of the text as it stands.
  size_t label = index_->EndFunctionsLabel();
  size_t taken_out = 0;
  for (const Deletion& d : deletions_) taken_out += d.length;
  for (size_t at : *occurrences) {
    if (label != UString::npos) {
      if (at < label + kEndOffset) continue;
    } else if (at < kEndOffset - 1 + taken_out && CurrentPosition(at) < kEndOffset - 1) {
      continue;  // only the first few characters need the edits counted
    }
    if (Alive(at, symbol.size())) return true;
  }
  return false;
}

template <typename Char>
std::vector<typename BasicPrunedText<Char>::Piece> BasicPrunedText<Char>::Pieces() const {
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

template <typename Char>
typename BasicPrunedText<Char>::String BasicPrunedText<Char>::Build() const {
  std::vector<Piece> pieces = Pieces();
  size_t size = 0;
  for (const Piece& piece : pieces) size += piece.length == 0 ? 2 : piece.length;
  String out;
  out.reserve(size);
  const View original(original_);
  for (const Piece& piece : pieces) {
    if (piece.length == 0) {
      out.push_back(';');
      out.push_back(' ');
    } else {
      out.append(original.substr(piece.from, piece.length));
    }
  }
  return out;
}

// Each part of the unedited text moves to its place in the edited text: the
// parts that move towards the start first, in text order, then those that
// move towards the end, from the last one back, so that no part is
// overwritten before it has moved. The "; " go in once every part stands.
template <typename Char>
void BasicPrunedText<Char>::EditInPlace() {
  std::vector<Piece> pieces = Pieces();
  std::vector<size_t> destinations(pieces.size());
  size_t size = 0;
  for (size_t k = 0; k < pieces.size(); ++k) {
    destinations[k] = size;
    size += pieces[k].length == 0 ? 2 : pieces[k].length;
  }
  if (size > original_.size()) original_.resize(size);
  Char* text = original_.data();
  for (size_t k = 0; k < pieces.size(); ++k) {
    if (pieces[k].length != 0 && destinations[k] < pieces[k].from) {
      std::memmove(text + destinations[k], text + pieces[k].from, pieces[k].length * sizeof(Char));
    }
  }
  for (size_t k = pieces.size(); k-- > 0;) {
    if (pieces[k].length != 0 && destinations[k] > pieces[k].from) {
      std::memmove(text + destinations[k], text + pieces[k].from, pieces[k].length * sizeof(Char));
    }
  }
  for (size_t k = 0; k < pieces.size(); ++k) {
    if (pieces[k].length != 0) continue;
    text[destinations[k]] = ';';
    text[destinations[k] + 1] = ' ';
  }
  original_.resize(size);
}

template <typename Char>
void BasicPrunedText<Char>::UseLiteralText() {
  if (literal_) return;
  String built = Build();
  current_.assign(built.begin(), built.end());
  literal_ = true;
  index_.reset();
  insertions_.clear();
  inserted_at_.clear();
  deletions_.clear();
}

template <typename Char>
std::string BasicPrunedText<Char>::TakeUtf8() {
  if (literal_) return EncodeUtf8(current_);
  if constexpr (sizeof(Char) == 1) {
    EditInPlace();
    return std::move(original_);
  } else {
    // Every edit stands at an ASCII character, so no piece splits a surrogate
    // pair and the pieces encode as the whole text would.
    std::string out;
    out.reserve(EncodedUtf8Size(original_) + 2 * insertions_.size());
    const View original(original_);
    for (const Piece& piece : Pieces()) {
      if (piece.length == 0) {
        out += "; ";
      } else {
        AppendEncodedText(out, original.substr(piece.from, piece.length), TextEncoding::kUtf8);
      }
    }
    return out;
  }
}

template <typename Char>
typename BasicPrunedText<Char>::String BasicPrunedText<Char>::Take() {
  if (literal_) {
    if constexpr (sizeof(Char) == 1) {
      return String(current_.begin(), current_.end());
    } else {
      return std::move(current_);
    }
  }
  if (!insertions_.empty() || !deletions_.empty()) EditInPlace();
  return std::move(original_);
}

template class BasicPrunedText<char16_t>;
template class BasicPrunedText<char>;

}  // namespace sparlin
