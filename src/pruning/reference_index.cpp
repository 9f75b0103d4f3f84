#include "pruning/reference_index.h"

#include "pruning/anchor_scan.h"

namespace sparlin {
namespace {

constexpr int kCountOnly = -1;  // a counted form that removal never touches

bool HasAt(UStringView text, size_t at, UStringView part) {
  return at <= text.size() && text.size() - at >= part.size() && text.compare(at, part.size(), part) == 0;
}

size_t RunEnd(UStringView text, size_t from) {
  while (from < text.size() && IsIdentifierChar(text[from])) ++from;
  return from;
}

constexpr UStringView kCheckNames[] = {u"PB_ScintillaGadget", u"PB_OpenWindow", u"SYS_AllocateArray",
                                       u"PB_InitImage", u"PB_Runtime_AddInteger"};

}  // namespace

bool IsIdentifierChar(char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_';
}

bool IsIdentifier(UStringView text) {
  if (text.empty()) return false;
  for (char16_t c : text) {
    if (!IsIdentifierChar(c)) return false;
  }
  return true;
}

UStringView DeclarationCheckName(DeclarationCheck check) { return kCheckNames[static_cast<size_t>(check)]; }

size_t ViewHash::operator()(UStringView text) const noexcept {
  uint64_t hash = 14695981039346656037ull;
  for (char16_t c : text) hash = (hash ^ c) * 1099511628211ull;
  return static_cast<size_t>(hash ^ (hash >> 29));
}

ReferenceIndex::ReferenceIndex(UStringView text, const std::vector<UString>& symbols,
                               const std::vector<UString>& libraries, bool is_64_bit)
    : is_64_bit_(is_64_bit), references_(symbols.size(), 0), headers_(libraries.size()) {
  symbol_ids_.reserve(symbols.size() * 2);
  for (size_t i = 0; i < symbols.size(); ++i) symbol_ids_.emplace(symbols[i], static_cast<uint32_t>(i));
  for (size_t i = 0; i < libraries.size(); ++i) library_ids_.emplace(libraries[i], static_cast<uint32_t>(i));
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

void ReferenceIndex::Scan(UStringView text) {
  static constexpr AnchorPair kAnchors[] = {{u'C', u'A'}, {u'e', u'x'}, {u';', u' '}};
  ForEachAnchor(text, kAnchors, 3, [&](size_t at) {
    switch (text[at]) {
      case u'C':
        OnCall(text, at);
        break;
      case u'e':
        OnExtrn(text, at);
        break;
      default:
        OnComment(text, at);
        break;
    }
  });
}

void ReferenceIndex::Credit(UStringView symbol, size_t at, int kind) {
  auto found = symbol_ids_.find(symbol);
  if (found == symbol_ids_.end()) return;
  ++references_[found->second];
  if (kind != kCountOnly) found_.push_back({found->second, static_cast<FormKind>(kind), at});
}

// F, F + "_THREAD" and F + "_DOUBLE" are counted alike; only F itself is removed.
void ReferenceIndex::CreditVariants(UStringView run, size_t at, int kind) {
  Credit(run, at, kind);
  for (UStringView variant : {UStringView(u"_THREAD"), UStringView(u"_DOUBLE")}) {
    if (run.size() > variant.size() && run.substr(run.size() - variant.size()) == variant) {
      Credit(run.substr(0, run.size() - variant.size()), at, kCountOnly);
    }
  }
}

void ReferenceIndex::OnCall(UStringView text, size_t at) {
  if (!HasAt(text, at, u"CALL  ")) return;
  size_t after = at + 6;
  if (HasAt(text, after, u"_")) {
    // "CALL  _" + F + "@" and its variants (32-bit).
    size_t end = RunEnd(text, after + 1);
    if (!is_64_bit_ && HasAt(text, end, u"@")) {
      CreditVariants(text.substr(after + 1, end - after - 1), at, static_cast<int>(FormKind::kCallUnderscoreAt));
    }
    return;
  }
  if (!HasAt(text, after, u" ")) return;
  after += 1;  // behind "CALL   "
  if (HasAt(text, after, u"qword [")) {
    size_t end = RunEnd(text, after + 7);
    if (is_64_bit_ && HasAt(text, end, u"]\r\n")) {
      Credit(text.substr(after + 7, end - after - 7), at, static_cast<int>(FormKind::kCallQword));
    }
    return;
  }
  if (HasAt(text, after, u"dword [_")) {
    size_t end = RunEnd(text, after + 8);
    if (is_64_bit_) return;
    UStringView run = text.substr(after + 8, end - after - 8);
    if (HasAt(text, end, u"]\r\n")) Credit(run, at, static_cast<int>(FormKind::kCallDword));
    if (HasAt(text, end, u"@")) {
      // Removed with the calls, but never counted.
      auto found = symbol_ids_.find(run);
      if (found != symbol_ids_.end()) found_.push_back({found->second, FormKind::kCallDwordAt, at});
    }
    return;
  }
  size_t end = RunEnd(text, after);
  if (!HasAt(text, end, u"\r\n")) return;
  UStringView run = text.substr(after, end - after);
  if (is_64_bit_) {
    CreditVariants(run, at, static_cast<int>(FormKind::kCall));
  } else {
    Credit(run, at, static_cast<int>(FormKind::kCall));
  }
}

void ReferenceIndex::OnExtrn(UStringView text, size_t at) {
  if (!HasAt(text, at, u"extrn ")) return;
  size_t start = at + 6;
  size_t end = RunEnd(text, start);
  UStringView run = text.substr(start, end - start);

  for (size_t c = 0; c < static_cast<size_t>(DeclarationCheck::kCount); ++c) {
    UStringView name = kCheckNames[c];
    if (run.substr(0, name.size()) == name) checks_[c].push_back({at, 6 + name.size()});
    if (run.size() > name.size() && run[0] == u'_' && run.substr(1, name.size()) == name) {
      checks_[c].push_back({at, 7 + name.size()});
    }
  }

  if (HasAt(text, end, u"\r\n")) {
    if (is_64_bit_) {
      CreditVariants(run, at, static_cast<int>(FormKind::kExtrn));
    } else {
      Credit(run, at, static_cast<int>(FormKind::kExtrn));
      if (run.size() > 1 && run[0] == u'_') Credit(run.substr(1), at, kCountOnly);  // "extrn _F\r\n"
    }
  } else if (!is_64_bit_ && HasAt(text, end, u"@") && run.size() > 1 && run[0] == u'_') {
    CreditVariants(run.substr(1), at, static_cast<int>(FormKind::kExtrnUnderscoreAt));
  }
}

void ReferenceIndex::OnComment(UStringView text, size_t at) {
  size_t start = at + 2;
  size_t end = RunEnd(text, start);
  if (end == start || !HasAt(text, end, u"\r\n")) return;
  auto found = library_ids_.find(text.substr(start, end - start));
  if (found != library_ids_.end()) headers_[found->second].push_back(at);
}

}  // namespace sparlin
