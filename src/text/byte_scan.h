// Scans of a text sixteen bytes at a time: the positions of a few
// two-character anchors ("CA", "ex", "; "...), of one or two characters, of a
// pattern, and the end of a run of identifier characters. The passes start
// their parsing only at these positions, so the scan is what bounds their cost.
#pragma once

#include <cstddef>
#include <cstdint>

#include <string_view>
#include <type_traits>

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

// Identifier characters: A-Z, a-z, 0-9 and "_", by code, at any width.
constexpr bool kIdentifierChars[128] = {
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0,
    0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 1,
    0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0};

template <typename Char>
constexpr bool IsIdentifierChar(Char c) {
  using Code = std::make_unsigned_t<Char>;
  return static_cast<Code>(c) < 128 && kIdentifierChars[static_cast<Code>(c)];
}

// Not empty, and identifier characters only.
template <typename Char>
bool IsIdentifier(std::basic_string_view<Char> text) {
  if (text.empty()) return false;
  for (Char c : text) {
    if (!IsIdentifierChar(c)) return false;
  }
  return true;
}
inline bool IsIdentifier(UStringView text) { return IsIdentifier<char16_t>(text); }
inline bool IsIdentifier(std::string_view text) { return IsIdentifier<char>(text); }

#ifdef SPARLIN_ANCHOR_SSE2
// A mask of the identifier characters among sixteen bytes.
inline unsigned IdentifierCharMask(__m128i bytes) {
  auto between = [&bytes](char low, char high) {
    return _mm_and_si128(_mm_cmpgt_epi8(bytes, _mm_set1_epi8(static_cast<char>(low - 1))),
                         _mm_cmplt_epi8(bytes, _mm_set1_epi8(static_cast<char>(high + 1))));
  };
  __m128i name = _mm_or_si128(_mm_or_si128(between('a', 'z'), between('A', 'Z')),
                              _mm_or_si128(between('0', '9'), _mm_cmpeq_epi8(bytes, _mm_set1_epi8('_'))));
  return static_cast<unsigned>(_mm_movemask_epi8(name));
}
#endif

// The end of the run of identifier characters that begins at `from`: sixteen
// bytes at a time for a text of bytes, as runtime names are often that long.
template <typename Char>
size_t IdentifierEnd(std::basic_string_view<Char> text, size_t from) {
#ifdef SPARLIN_ANCHOR_SSE2
  if constexpr (sizeof(Char) == 1) {
    while (from + 16 <= text.size()) {
      unsigned outside =
          ~IdentifierCharMask(_mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + from))) & 0xFFFFu;
      if (outside != 0) return from + static_cast<size_t>(__builtin_ctz(outside));
      from += 16;
    }
  }
#endif
  while (from < text.size() && IsIdentifierChar(text[from])) ++from;
  return from;
}

}  // namespace sparlin
