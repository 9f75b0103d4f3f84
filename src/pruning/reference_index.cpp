#include "pruning/reference_index.h"

#include <algorithm>
#include <array>

#include "text/byte_scan.h"

namespace sparlin {
namespace {

constexpr int kCountOnly = -1;
constexpr uint64_t kCleanUpHashStart = 0xCBF29CE484222325ull;

// `part` is ASCII; the text's characters compare by code.
inline bool HasAt(std::string_view text, size_t at, std::string_view part) {
  if (at > text.size() || text.size() - at < part.size()) return false;
  for (size_t i = 0; i < part.size(); ++i) {
    if (text[at + i] != static_cast<char>(part[i])) return false;
  }
  return true;
}

inline bool EndsWithAscii(std::string_view text, std::string_view part) {
  return text.size() >= part.size() && HasAt(text, text.size() - part.size(), part);
}

// Calls on_hit(position) in increasing order for every "CA", "ex" and "; "
// and every "PB_" followed by "E", "F" or "S": where a reference form, a
// header line or a name that the removal steps look for may begin. Other
// "PB_" names are many and of no concern, so they are turned down here.
template <typename OnHit>
void ForEachReferenceAnchor(std::string_view text, OnHit&& on_hit) {
  const size_t n = text.size();
  const char* data = text.data();
  size_t i = 0;
#ifdef SPARLIN_ANCHOR_SSE2
  using Lanes = AnchorLanes<char>;
  const __m128i c = Lanes::Splat('C'), a = Lanes::Splat('A'), e = Lanes::Splat('e'), x = Lanes::Splat('x');
  const __m128i semicolon = Lanes::Splat(';'), blank = Lanes::Splat(' ');
  const __m128i p = Lanes::Splat('P'), b = Lanes::Splat('B'), underscore = Lanes::Splat('_');
  const __m128i end = Lanes::Splat('E'), free = Lanes::Splat('F'), simple = Lanes::Splat('S');
  for (; i + Lanes::kPerStep + 3 <= n; i += Lanes::kPerStep) {
    __m128i at0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
    __m128i at1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i + 1));
    __m128i any = _mm_and_si128(Lanes::Equal(at0, c), Lanes::Equal(at1, a));
    any = _mm_or_si128(any, _mm_and_si128(Lanes::Equal(at0, e), Lanes::Equal(at1, x)));
    any = _mm_or_si128(any, _mm_and_si128(Lanes::Equal(at0, semicolon), Lanes::Equal(at1, blank)));
    __m128i pb = _mm_and_si128(Lanes::Equal(at0, p), Lanes::Equal(at1, b));
    if (_mm_movemask_epi8(pb) != 0) {
      __m128i at2 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i + 2));
      __m128i at3 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i + 3));
      __m128i fourth = _mm_or_si128(_mm_or_si128(Lanes::Equal(at3, end), Lanes::Equal(at3, free)),
                                    Lanes::Equal(at3, simple));
      any = _mm_or_si128(any, _mm_and_si128(pb, _mm_and_si128(Lanes::Equal(at2, underscore), fourth)));
    }
    ForEachLaneHit<char>(static_cast<unsigned>(_mm_movemask_epi8(any)), i, [&](size_t at) {
      on_hit(at);
      return true;
    });
  }
#endif
  for (; i + 1 < n; ++i) {
    char first = data[i], second = data[i + 1];
    bool pb_name = first == 'P' && second == 'B' && n - i >= 4 && data[i + 2] == '_' &&
                   (data[i + 3] == 'E' || data[i + 3] == 'F' || data[i + 3] == 'S');
    if ((first == 'C' && second == 'A') || (first == 'e' && second == 'x') || (first == ';' && second == ' ') ||
        pb_name) {
      on_hit(i);
    }
  }
}

constexpr std::string_view kCheckNames[] = {"PB_ScintillaGadget", "PB_OpenWindow", "SYS_AllocateArray",
                                            "PB_InitImage", "PB_Runtime_AddInteger"};

}  // namespace

std::string_view DeclarationCheckName(DeclarationCheck check) { return kCheckNames[static_cast<size_t>(check)]; }

// The names are identifiers, or leading identifier parts: plain ASCII.
ReferenceIndex::Names ReferenceIndex::Narrowed(const std::vector<UString>& names) {
  Names narrowed;
  narrowed.reserve(names.size());
  for (const UString& name : names) narrowed.emplace_back(name.begin(), name.end());
  return narrowed;
}

ReferenceIndex::ReferenceIndex(View text, const std::vector<UString>& symbols,
                                               const std::vector<UString>& libraries,
                                               const std::vector<UString>& suspect_leads, bool is_64_bit)
    : is_64_bit_(is_64_bit),
      symbol_names_(Narrowed(symbols)),
      library_names_(Narrowed(libraries)),
      suspect_names_(Narrowed(suspect_leads)),
      symbol_ids_(symbol_names_),
      library_ids_(library_names_),
      suspects_(suspect_names_),
      suspect_seen_(suspect_leads.size(), false),
      references_(symbols.size(), 0),
      headers_(libraries.size()),
      is_clean_up_(symbols.size(), false),
      clean_up_(symbols.size()),
      clean_up_names_(CleanUpNames(symbol_names_, clean_up_symbols_)) {
  IndexCleanUpNames();
  // About one form in every 128 characters of real assembly; more grow the list.
  found_.reserve(text.size() / 128);
  Scan(text);

  // Group the removable forms by symbol, keeping text order within each.
  form_offsets_.assign(symbols.size() + 1, 0);
  for (const Found& f : found_) ++form_offsets_[f.symbol + 1];
  for (size_t i = 1; i < form_offsets_.size(); ++i) form_offsets_[i] += form_offsets_[i - 1];
  forms_.resize(found_.size());
  std::vector<uint32_t> next(form_offsets_.begin(), form_offsets_.end() - 1);
  for (const Found& f : found_) forms_[next[f.symbol]++] = {f.position, f.kind};
  found_.clear();
  found_.shrink_to_fit();
}

void ReferenceIndex::Scan(View text) {
  ForEachReferenceAnchor(text, [&](size_t at) {
    switch (text[at]) {
      case 'C':
        OnCall(text, at);
        break;
      case 'e':
        OnExtrn(text, at);
        break;
      case 'P':
        OnPbName(text, at);
        break;
      default:
        OnComment(text, at);
        break;
    }
    return true;
  });
}

void ReferenceIndex::Credit(View symbol, size_t at, int kind) {
  uint32_t id = symbol_ids_.Find(symbol);
  if (id == NameTable::kAbsent) return;
  ++references_[id];
  if (kind != kCountOnly) found_.push_back({id, static_cast<FormKind>(kind), at});
}

// F, F + "_THREAD" and F + "_DOUBLE" are counted alike; only F itself is removed.
void ReferenceIndex::CreditVariants(View run, size_t at, int kind) {
  Credit(run, at, kind);
  for (std::string_view variant : {std::string_view("_THREAD"), std::string_view("_DOUBLE")}) {
    if (run.size() > variant.size() && EndsWithAscii(run, variant)) {
      Credit(run.substr(0, run.size() - variant.size()), at, kCountOnly);
    }
  }
}

// Marks a name that begins a symbol which is not an identifier: such a
// symbol can have a reference form only where its leading identifier part
// stands as the whole name at a form's place.
void ReferenceIndex::NoteSuspect(View run) {
  if (suspect_seen_.empty()) return;
  uint32_t id = suspects_.Find(run);
  if (id != NameTable::kAbsent) suspect_seen_[id] = true;
}

void ReferenceIndex::OnCall(View text, size_t at) {
  if (!HasAt(text, at, "CALL  ")) return;
  size_t after = at + 6;
  if (HasAt(text, after, "_")) {
    // "CALL  _" + F + "@" and its variants (32-bit).
    size_t end = IdentifierEnd(text, after + 1);
    NoteSuspect(text.substr(after + 1, end - after - 1));
    if (!is_64_bit_ && HasAt(text, end, "@")) {
      CreditVariants(text.substr(after + 1, end - after - 1), at, static_cast<int>(FormKind::kCallUnderscoreAt));
    }
    return;
  }
  if (!HasAt(text, after, " ")) return;
  after += 1;  // behind "CALL   "
  if (HasAt(text, after, "qword [")) {
    size_t end = IdentifierEnd(text, after + 7);
    NoteSuspect(text.substr(after + 7, end - after - 7));
    if (is_64_bit_ && HasAt(text, end, "]\r\n")) {
      Credit(text.substr(after + 7, end - after - 7), at, static_cast<int>(FormKind::kCallQword));
    }
    return;
  }
  if (HasAt(text, after, "dword [_")) {
    size_t end = IdentifierEnd(text, after + 8);
    View run = text.substr(after + 8, end - after - 8);
    NoteSuspect(run);
    if (is_64_bit_) return;
    if (HasAt(text, end, "]\r\n")) Credit(run, at, static_cast<int>(FormKind::kCallDword));
    if (HasAt(text, end, "@")) {
      // Removed with the calls, but never counted.
      uint32_t id = symbol_ids_.Find(run);
      if (id != NameTable::kAbsent) found_.push_back({id, FormKind::kCallDwordAt, at});
    }
    return;
  }
  size_t end = IdentifierEnd(text, after);
  View run = text.substr(after, end - after);
  NoteSuspect(run);
  if (!HasAt(text, end, "\r\n")) return;
  if (is_64_bit_) {
    CreditVariants(run, at, static_cast<int>(FormKind::kCall));
  } else {
    Credit(run, at, static_cast<int>(FormKind::kCall));
  }
}

void ReferenceIndex::OnExtrn(View text, size_t at) {
  if (!HasAt(text, at, "extrn ")) return;
  size_t start = at + 6;
  size_t end = IdentifierEnd(text, start);
  View run = text.substr(start, end - start);
  NoteSuspect(run);
  if (!run.empty() && run[0] == '_') NoteSuspect(run.substr(1));

  for (size_t c = 0; c < static_cast<size_t>(DeclarationCheck::kCount); ++c) {
    std::string_view name = kCheckNames[c];
    if (HasAt(run, 0, name)) checks_[c].push_back({at, 6 + name.size()});
    if (run.size() > name.size() && run[0] == '_' && HasAt(run, 1, name)) {
      checks_[c].push_back({at, 7 + name.size()});
    }
  }

  if (HasAt(text, end, "\r\n")) {
    if (is_64_bit_) {
      CreditVariants(run, at, static_cast<int>(FormKind::kExtrn));
    } else {
      Credit(run, at, static_cast<int>(FormKind::kExtrn));
      if (run.size() > 1 && run[0] == '_') Credit(run.substr(1), at, kCountOnly);  // "extrn _F\r\n"
    }
  } else if (!is_64_bit_ && HasAt(text, end, "@") && run.size() > 1 && run[0] == '_') {
    CreditVariants(run.substr(1), at, static_cast<int>(FormKind::kExtrnUnderscoreAt));
  }
}

ReferenceIndex::Names ReferenceIndex::CleanUpNames(const Names& symbols,
                                                                                std::vector<uint32_t>& ids) {
  Names names;
  for (size_t i = 0; i < symbols.size(); ++i) {
    if (!HasAt(std::string_view(symbols[i]), 0, "PB_End") &&
        !HasAt(std::string_view(symbols[i]), 0, "PB_Free")) {
      continue;
    }
    names.push_back(symbols[i]);
    ids.push_back(static_cast<uint32_t>(i));
  }
  return names;
}

uint64_t ReferenceIndex::CleanUpHashStep(uint64_t hash, char c) {
  return (hash ^ static_cast<unsigned char>(c)) * 0x100000001B3ull;
}

void ReferenceIndex::IndexCleanUpNames() {
  size_t size = 16;
  while (size < clean_up_names_.size() * 2 + 1) size *= 2;
  clean_up_slots_.assign(size, -1);
  for (size_t k = 0; k < clean_up_names_.size(); ++k) {
    const std::string& name = clean_up_names_[k];
    is_clean_up_[clean_up_symbols_[k]] = true;
    uint64_t hash = kCleanUpHashStart;
    for (char c : name) hash = CleanUpHashStep(hash, c);
    clean_up_hashes_.push_back(hash);
    size_t slot = hash & (size - 1);
    while (clean_up_slots_[slot] >= 0) slot = (slot + 1) & (size - 1);
    clean_up_slots_[slot] = static_cast<int32_t>(k);
    if (clean_up_length_.size() <= name.size()) clean_up_length_.resize(name.size() + 1, false);
    clean_up_length_[name.size()] = true;
  }
  for (size_t length = 0; length < clean_up_length_.size(); ++length) {
    if (clean_up_length_[length]) clean_up_lengths_.push_back(length);
  }
}

const std::vector<size_t>* ReferenceIndex::CleanUpOccurrences(size_t symbol) const {
  return is_clean_up_[symbol] ? &clean_up_[symbol] : nullptr;
}

void ReferenceIndex::OnPbName(View text, size_t at) {
  // Most "PB" are runtime names that none of these concern: the fourth
  // character tells.
  if (text.size() - at < 4 || text[at + 2] != '_') return;
  char fourth = text[at + 3];
  if (fourth == 'S') {
    if (HasAt(text, at, "PB_SimpleList_")) simple_list_helpers_.push_back(at);
    return;
  }
  if (fourth != 'E' && fourth != 'F') return;
  if (end_label_ == std::u16string::npos && HasAt(text, at, "PB_EndFunctions:\r\n")) end_label_ = at;
  if (clean_up_names_.empty() || !(HasAt(text, at, "PB_End") || HasAt(text, at, "PB_Free"))) return;
  View run = text.substr(at, IdentifierEnd(text, at) - at);
  // The hashes of every beginning of the name first, then a look at the
  // lengths that clean-up names have: both loops run alike for every name.
  const size_t longest = std::min(run.size(), clean_up_length_.size() - 1);
  prefix_hashes_.resize(longest + 1);
  uint64_t hash = kCleanUpHashStart;
  for (size_t length = 1; length <= longest; ++length) {
    hash = CleanUpHashStep(hash, run[length - 1]);
    prefix_hashes_[length] = hash;
  }
  const size_t mask = clean_up_slots_.size() - 1;
  for (size_t length : clean_up_lengths_) {
    if (length > longest) break;
    for (size_t slot = prefix_hashes_[length] & mask; clean_up_slots_[slot] >= 0; slot = (slot + 1) & mask) {
      size_t k = static_cast<size_t>(clean_up_slots_[slot]);
      if (clean_up_hashes_[k] == prefix_hashes_[length] && View(clean_up_names_[k]) == run.substr(0, length)) {
        clean_up_[clean_up_symbols_[k]].push_back(at);
      }
    }
  }
}

void ReferenceIndex::OnComment(View text, size_t at) {
  size_t start = at + 2;
  size_t end = IdentifierEnd(text, start);
  if (end == start || !HasAt(text, end, "\r\n")) return;
  uint32_t id = library_ids_.Find(text.substr(start, end - start));
  if (id != NameTable::kAbsent) headers_[id].push_back(at);
}


}  // namespace sparlin
