// The runtime libraries of one pruning run and the function symbols that
// their library files list, with how often the assembly calls each.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "text/ustring.h"

namespace sparlin {

// A map that iterates in insertion order. Pruning walks its libraries and
// symbols in that order, which fixes the order of the log lines: libraries in
// the order of the (sorted) imported library list, symbols in the order of
// their library file.
template <typename Value>
class InsertionOrderedMap {
 public:
  struct Entry {
    UString key;
    Value value;
  };

  // The entry for `key`, created with a default value when absent.
  Value& operator[](const UString& key) {
    auto found = index_.find(key);
    if (found != index_.end()) return entries_[found->second].value;
    index_.emplace(key, entries_.size());
    entries_.push_back({key, Value{}});
    erased_.push_back(false);
    return entries_.back().value;
  }

  Value* Find(const UString& key) {
    auto found = index_.find(key);
    return found == index_.end() ? nullptr : &entries_[found->second].value;
  }

  // Marks the entry erased; the entries close up when next walked, so that a
  // run of erasures costs one pass over the map, not one each.
  bool Erase(const UString& key) {
    auto found = index_.find(key);
    if (found == index_.end()) return false;
    erased_[found->second] = true;
    ++erased_count_;
    index_.erase(found);
    return true;
  }

  size_t size() const { return entries_.size() - erased_count_; }
  bool empty() const { return size() == 0; }
  const std::vector<Entry>& entries() const {
    Compact();
    return entries_;
  }
  std::vector<Entry>& entries() {
    Compact();
    return entries_;
  }

 private:
  void Compact() const {
    if (erased_count_ == 0) return;
    size_t kept = 0;
    for (size_t i = 0; i < entries_.size(); ++i) {
      if (erased_[i]) continue;
      if (kept != i) entries_[kept] = std::move(entries_[i]);
      index_[entries_[kept].key] = kept;
      ++kept;
    }
    entries_.resize(kept);
    erased_.assign(kept, false);
    erased_count_ = 0;
  }

  mutable std::vector<Entry> entries_;
  mutable std::vector<bool> erased_;
  mutable size_t erased_count_ = 0;
  mutable std::unordered_map<UString, size_t> index_;
};

// Symbol ("PB_" + name from the library file) -> CallCount: after counting,
// the references found in the assembly minus the declaration.
using FunctionTable = InsertionOrderedMap<int32_t>;
// Library name as spelled in the imported library list -> its symbols. A
// library stays in the table for the whole run, also once it has no symbols.
using LibraryTable = InsertionOrderedMap<FunctionTable>;

}  // namespace sparlin
