#include "source_stage/procedure_references.h"

#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "source_stage/reversed_name_trie.h"

namespace sparlin {
namespace {

// Calls `found(position)` for every "(" of the text, in order, finding
// them 32 code units at a time.
template <typename Found>
void ForEachOpenParenthesis(UStringView text, Found found) {
  size_t block = 0;
#if defined(__SSE2__)
  const __m128i paren = _mm_set1_epi16(u'(');
  const auto* units = reinterpret_cast<const __m128i*>(text.data());
  for (; block + 32 <= text.size(); block += 32, units += 4) {
    __m128i low = _mm_packs_epi16(_mm_cmpeq_epi16(_mm_loadu_si128(units), paren),
                                  _mm_cmpeq_epi16(_mm_loadu_si128(units + 1), paren));
    __m128i high = _mm_packs_epi16(_mm_cmpeq_epi16(_mm_loadu_si128(units + 2), paren),
                                   _mm_cmpeq_epi16(_mm_loadu_si128(units + 3), paren));
    uint32_t mask = static_cast<uint32_t>(_mm_movemask_epi8(low)) |
                    (static_cast<uint32_t>(_mm_movemask_epi8(high)) << 16);
    while (mask != 0) {
      found(block + static_cast<size_t>(std::countr_zero(mask)));
      mask &= mask - 1;
    }
  }
#endif
  for (size_t at = block; at < text.size(); ++at) {
    if (text[at] == u'(') found(at);
  }
}

}  // namespace

std::vector<int64_t> CountProcedureReferences(UStringView text, const std::vector<UString>& names) {
  ReversedNameTrie trie(names);
  std::vector<int64_t> counted(ReversedNameTrie::kSparePlaces + static_cast<size_t>(trie.word_count()), 0);
  // A name holds no "(", so a walk never passes the "(" before its own: the
  // walks cover each stretch of text at most twice, and the count stays
  // linear in the text whatever the names are. The walks are gathered in
  // batches: where a second walk is due (name + " (") is then not a branch.
  if (!names.empty()) {
    constexpr size_t kBatch = 1024;
    std::vector<size_t> ends(kBatch + 2);
    size_t batch = 0;
    auto walk = [&] {
      for (size_t i = 0; i < batch; ++i) trie.CountNamesEndingAt(text, ends[i], counted);
      batch = 0;
    };
    ForEachOpenParenthesis(text, [&](size_t paren) {
      ends[batch] = paren;                                            // name + "("
      ends[batch + 1] = paren - 1;                                    // name + " ("
      batch += 1 + static_cast<size_t>(paren > 0 && text[paren - 1] == u' ');
      if (batch >= kBatch) walk();
    });
    walk();
  }
  std::vector<int64_t> counts(names.size());
  for (size_t i = 0; i < names.size(); ++i) counts[i] = counted[ReversedNameTrie::kSparePlaces + static_cast<size_t>(trie.WordOfName(i))];
  return counts;
}

}  // namespace sparlin
