// Finds, in one pass, every position where one of a few two-character anchors
// begins ("CA", "ex", "; "...). The pruning index starts its parsing only at
// these positions, so the pass over the text is what bounds its cost.
#pragma once

#include <cstddef>
#include <cstdint>

#include <string_view>

#include "text/ustring.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#define SPARLIN_ANCHOR_SSE2 1
#endif

namespace sparlin {

// Sixteen bytes of text per step, the characters compared at their width.
template <typename Char>
struct AnchorLanes;

#ifdef SPARLIN_ANCHOR_SSE2
template <>
struct AnchorLanes<char16_t> {
  static constexpr size_t kPerStep = 8;
  static constexpr unsigned kBitsPerChar = 2;
  static __m128i Splat(char16_t c) { return _mm_set1_epi16(static_cast<short>(c)); }
  static __m128i Equal(__m128i a, __m128i b) { return _mm_cmpeq_epi16(a, b); }
};

template <>
struct AnchorLanes<char> {
  static constexpr size_t kPerStep = 16;
  static constexpr unsigned kBitsPerChar = 1;
  static __m128i Splat(char c) { return _mm_set1_epi8(c); }
  static __m128i Equal(__m128i a, __m128i b) { return _mm_cmpeq_epi8(a, b); }
};
#endif

#ifdef SPARLIN_ANCHOR_SSE2
// Calls on_hit(base + k), in increasing order, for every character k of one
// step whose lanes are set in `mask` (from _mm_movemask_epi8), until it
// returns false; false then.
template <typename Char, typename OnHit>
inline bool ForEachLaneHit(unsigned mask, size_t base, OnHit&& on_hit) {
  using Lanes = AnchorLanes<Char>;
  constexpr unsigned kCharMask = (1u << Lanes::kBitsPerChar) - 1;
  while (mask != 0) {
    unsigned bit = static_cast<unsigned>(__builtin_ctz(mask));
    if (!on_hit(base + bit / Lanes::kBitsPerChar)) return false;
    mask &= ~(kCharMask << bit);
  }
  return true;
}
#endif

template <typename Char>
struct BasicAnchorPair {
  Char first;
  Char second;
};
using AnchorPair = BasicAnchorPair<char16_t>;

// Calls on_hit(position) in increasing order for every position i where
// text[i], text[i + 1] equals one of the `count` pairs (at most 4), until it
// returns false.
template <typename Char, typename OnHit>
void ForEachAnchor(std::basic_string_view<Char> text, const BasicAnchorPair<Char>* pairs, int count, OnHit&& on_hit) {
  const size_t n = text.size();
  if (n < 2) return;
  const Char* data = text.data();
  size_t i = 0;
#ifdef SPARLIN_ANCHOR_SSE2
  using Lanes = AnchorLanes<Char>;
  __m128i firsts[4];
  __m128i seconds[4];
  for (int k = 0; k < count; ++k) {
    firsts[k] = Lanes::Splat(pairs[k].first);
    seconds[k] = Lanes::Splat(pairs[k].second);
  }
  // The second load reads one character further.
  for (; i + Lanes::kPerStep + 1 <= n; i += Lanes::kPerStep) {
    __m128i now = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
    __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i + 1));
    __m128i any = _mm_setzero_si128();
    for (int k = 0; k < count; ++k) {
      any = _mm_or_si128(any, _mm_and_si128(Lanes::Equal(now, firsts[k]), Lanes::Equal(next, seconds[k])));
    }
    if (!ForEachLaneHit<Char>(static_cast<unsigned>(_mm_movemask_epi8(any)), i, on_hit)) return;
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
template <typename Char, typename OnHit>
void ForEachOf(std::basic_string_view<Char> text, Char a, Char b, OnHit&& on_hit) {
  const size_t n = text.size();
  const Char* data = text.data();
  size_t i = 0;
#ifdef SPARLIN_ANCHOR_SSE2
  using Lanes = AnchorLanes<Char>;
  const __m128i wide_a = Lanes::Splat(a);
  const __m128i wide_b = Lanes::Splat(b);
  for (; i + Lanes::kPerStep <= n; i += Lanes::kPerStep) {
    __m128i now = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
    __m128i any = _mm_or_si128(Lanes::Equal(now, wide_a), Lanes::Equal(now, wide_b));
    ForEachLaneHit<Char>(static_cast<unsigned>(_mm_movemask_epi8(any)), i, [&](size_t at) {
      on_hit(at);
      return true;
    });
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
template <typename Char, typename OnHit>
void ForEachOccurrence(std::basic_string_view<Char> text, std::basic_string_view<Char> pattern, size_t anchor,
                       OnHit&& on_hit) {
  BasicAnchorPair<Char> pair{pattern[anchor], pattern[anchor + 1]};
  ForEachAnchor(text, &pair, 1, [&](size_t at) {
    if (at < anchor || text.size() - (at - anchor) < pattern.size()) return true;
    if (text.compare(at - anchor, pattern.size(), pattern) != 0) return true;
    return on_hit(at - anchor);
  });
}

}  // namespace sparlin
