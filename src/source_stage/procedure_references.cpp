#include "source_stage/procedure_references.h"

#include <algorithm>
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "source_stage/reversed_name_trie.h"

namespace sparlin {
namespace {

// Writes to `ends` where the walks of the "(" in [from, to) start: at every
// "(" (name + "(") and, where a blank stands before it, at that blank
// (name + " ("); returns how many. The "(" are found 32 code units at a
// time, and where a second walk is due is not a branch.
size_t FindWalkEnds(UStringView text, size_t from, size_t to, size_t* ends) {
  size_t count = 0;
  auto add = [&](size_t paren) {
    ends[count] = paren;
    ends[count + 1] = paren - 1;
    count += 1 + static_cast<size_t>(paren > 0 && text[paren - 1] == u' ');
  };
  size_t block = from;
#if defined(__SSE2__)
  const __m128i paren = _mm_set1_epi16(u'(');
  for (; block + 32 <= to; block += 32) {
    const auto* units = reinterpret_cast<const __m128i*>(text.data() + block);
    __m128i low = _mm_packs_epi16(_mm_cmpeq_epi16(_mm_loadu_si128(units), paren),
                                  _mm_cmpeq_epi16(_mm_loadu_si128(units + 1), paren));
    __m128i high = _mm_packs_epi16(_mm_cmpeq_epi16(_mm_loadu_si128(units + 2), paren),
                                   _mm_cmpeq_epi16(_mm_loadu_si128(units + 3), paren));
    uint32_t mask = static_cast<uint32_t>(_mm_movemask_epi8(low)) |
                    (static_cast<uint32_t>(_mm_movemask_epi8(high)) << 16);
    for (; mask != 0; mask &= mask - 1) add(block + static_cast<size_t>(std::countr_zero(mask)));
  }
#endif
  for (; block < to; ++block) {
    if (text[block] == u'(') add(block);
  }
  return count;
}

}  // namespace

std::vector<int64_t> CountProcedureReferences(UStringView text, const std::vector<UString>& names) {
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
      for (size_t i = 0; i < count; ++i) trie.CountNamesEndingAt(text, ends[i], counted);
    }
  }
  std::vector<int64_t> counts(names.size());
  for (size_t i = 0; i < names.size(); ++i) counts[i] = counted[static_cast<size_t>(trie.WordOfName(i)) + 1];
  return counts;
}

}  // namespace sparlin
