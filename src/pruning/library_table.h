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
    return entries_.back().value;
  }

  Value* Find(const UString& key) {
    auto found = index_.find(key);
    return found == index_.end() ? nullptr : &entries_[found->second].value;
  }

  bool Erase(const UString& key) {
    auto found = index_.find(key);
    if (found == index_.end()) return false;
    size_t position = found->second;
    index_.erase(found);
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(position));
    for (auto& [name, slot] : index_) {
      if (slot > position) --slot;
    }
    return true;
  }

  size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }
  const std::vector<Entry>& entries() const { return entries_; }
  std::vector<Entry>& entries() { return entries_; }

 private:
  std::vector<Entry> entries_;
  std::unordered_map<UString, size_t> index_;
};

// Symbol ("PB_" + name from the library file) -> CallCount: after counting,
// the references found in the assembly minus the declaration.
using FunctionTable = InsertionOrderedMap<int32_t>;
// Library name as spelled in the imported library list -> its symbols. A
// library stays in the table for the whole run, also once it has no symbols.
using LibraryTable = InsertionOrderedMap<FunctionTable>;

}  // namespace sparlin
