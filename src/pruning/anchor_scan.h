// Finds, in one pass, every position where one of a few two-character anchors
// begins ("CA", "ex", "; "...). The pruning index starts its parsing only at
// these positions, so the pass over the text is what bounds its cost.
#pragma once

#include <cstddef>
#include <cstdint>

#include "text/ustring.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#define SPARLIN_ANCHOR_SSE2 1
#endif

namespace sparlin {

struct AnchorPair {
  char16_t first;
  char16_t second;
};

// Calls on_hit(position) in increasing order for every position i where
// text[i], text[i + 1] equals one of the `count` pairs (at most 4), until it
// returns false.
template <typename OnHit>
void ForEachAnchor(UStringView text, const AnchorPair* pairs, int count, OnHit&& on_hit) {
  const size_t n = text.size();
  if (n < 2) return;
  const char16_t* data = text.data();
  size_t i = 0;
#ifdef SPARLIN_ANCHOR_SSE2
  __m128i firsts[4];
  __m128i seconds[4];
  for (int k = 0; k < count; ++k) {
    firsts[k] = _mm_set1_epi16(static_cast<short>(pairs[k].first));
    seconds[k] = _mm_set1_epi16(static_cast<short>(pairs[k].second));
  }
  // Eight positions per step; the second load reads one character further.
  for (; i + 9 <= n; i += 8) {
    __m128i now = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
    __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i + 1));
    __m128i any = _mm_setzero_si128();
    for (int k = 0; k < count; ++k) {
      any = _mm_or_si128(any, _mm_and_si128(_mm_cmpeq_epi16(now, firsts[k]), _mm_cmpeq_epi16(next, seconds[k])));
    }
    unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(any));
    while (mask != 0) {
      unsigned bit = static_cast<unsigned>(__builtin_ctz(mask));
      if (!on_hit(i + bit / 2)) return;
      mask &= ~(3u << bit);
    }
  }
#endif
  for (; i + 1 < n; ++i) {
    for (int k = 0; k < count; ++k) {
      if (data[i] == pairs[k].first && data[i + 1] == pairs[k].second) {
        if (!on_hit(i)) return;
        break;
      }
    }
  }
}

// Calls on_hit(position) in increasing order for every position that holds
// `a` or `b`.
template <typename OnHit>
void ForEachOf(UStringView text, char16_t a, char16_t b, OnHit&& on_hit) {
  const size_t n = text.size();
  const char16_t* data = text.data();
  size_t i = 0;
#ifdef SPARLIN_ANCHOR_SSE2
  const __m128i wide_a = _mm_set1_epi16(static_cast<short>(a));
  const __m128i wide_b = _mm_set1_epi16(static_cast<short>(b));
  for (; i + 8 <= n; i += 8) {
    __m128i now = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
    __m128i any = _mm_or_si128(_mm_cmpeq_epi16(now, wide_a), _mm_cmpeq_epi16(now, wide_b));
    unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(any));
    while (mask != 0) {
      unsigned bit = static_cast<unsigned>(__builtin_ctz(mask));
      on_hit(i + bit / 2);
      mask &= ~(3u << bit);
    }
  }
#endif
  for (; i < n; ++i) {
    if (data[i] == a || data[i] == b) on_hit(i);
  }
}

// Calls on_hit(position) for every occurrence of `pattern` (two characters
// or more) in increasing order, until it returns false. The pair at
// `anchor` within the pattern is the one searched for: a rare pair makes the
// pass cheap.
template <typename OnHit>
void ForEachOccurrence(UStringView text, UStringView pattern, size_t anchor, OnHit&& on_hit) {
  AnchorPair pair{pattern[anchor], pattern[anchor + 1]};
  ForEachAnchor(text, &pair, 1, [&](size_t at) {
    if (at < anchor || text.size() - (at - anchor) < pattern.size()) return true;
    if (text.compare(at - anchor, pattern.size(), pattern) != 0) return true;
    return on_hit(at - anchor);
  });
}

}  // namespace sparlin
