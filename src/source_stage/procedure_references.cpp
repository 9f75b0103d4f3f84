#include "source_stage/procedure_references.h"

#include <algorithm>

#include "source_stage/reversed_name_trie.h"
#include "text/byte_scan.h"

namespace sparlin {
namespace {

// Writes to `ends` where the walks of the "(" in [from, to) start: at every
// "(" (name + "(") and, where a blank stands before it, at that blank
// (name + " ("); returns how many. Where a second walk is due is not a
// branch.
size_t FindWalkEnds(std::string_view text, size_t from, size_t to, size_t* ends) {
  size_t count = 0;
  ForEachOf(text.substr(from, to - from), '(', '(', [&](size_t at) {
    const size_t paren = from + at;
    ends[count] = paren;
    ends[count + 1] = paren - 1;
    count += 1 + static_cast<size_t>(paren > 0 && text[paren - 1] == ' ');
  });
  return count;
}

}  // namespace

std::vector<int64_t> CountProcedureReferences(std::string_view text, Utf8Form form, const std::vector<UString>& names) {
  ReversedNameTrie trie(names);
  std::vector<int64_t> counted(static_cast<size_t>(trie.word_count()) + 1, 0);
  // A name holds no "(", so a walk never passes the "(" before its own: the
  // walks cover each stretch of text at most twice, and the count stays
  // linear in the text whatever the names are.
  if (!names.empty()) {
    // A stretch at a time: its walks then read text that is still cached.
    constexpr size_t kStretch = 4096;
    std::vector<size_t> ends(2 * kStretch);
    for (size_t from = 0; from < text.size(); from += kStretch) {
      size_t count = FindWalkEnds(text, from, std::min(text.size(), from + kStretch), ends.data());
      for (size_t i = 0; i < count; ++i) trie.CountNamesEndingAt(text, ends[i], form, counted);
    }
  }
  std::vector<int64_t> counts(names.size());
  for (size_t i = 0; i < names.size(); ++i) counts[i] = counted[static_cast<size_t>(trie.WordOfName(i)) + 1];
  return counts;
}

}  // namespace sparlin
