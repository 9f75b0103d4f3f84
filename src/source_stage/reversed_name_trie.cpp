#include "source_stage/reversed_name_trie.h"

#include <algorithm>

#include "text/text_ops.h"

namespace sparlin {

ReversedNameTrie::ReversedNameTrie(const std::vector<UString>& names) {
  std::vector<UString> reversed;
  reversed.reserve(names.size());
  for (const UString& name : names) {
    UString r = ToLower(name);
    std::reverse(r.begin(), r.end());
    reversed.push_back(std::move(r));
  }
  std::vector<UString> sorted = reversed;
  std::sort(sorted.begin(), sorted.end());
  sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
  word_count_ = static_cast<int32_t>(sorted.size());
  // A word is the place of its reversed name in the sorted list.
  name_word_.reserve(names.size());
  for (const UString& r : reversed) {
    name_word_.push_back(static_cast<int32_t>(std::lower_bound(sorted.begin(), sorted.end(), r) - sorted.begin()));
  }
  AssignCodes(sorted);
  Place(sorted);
  TabulateFirstSteps();
}

void ReversedNameTrie::TabulateFirstSteps() {
  constexpr int32_t kMaxStride = 128;
  stride_ = code_count_ + 1;
  if (stride_ > kMaxStride) return;
  pairs_.assign(static_cast<size_t>(stride_ * stride_), FirstSteps{});
  for (int32_t first = 1; first < stride_; ++first) {
    int32_t one = Child(0, first);
    if (one == kNone) continue;
    for (int32_t second = 0; second < stride_; ++second) {
      FirstSteps& steps = pairs_[static_cast<size_t>(first * stride_ + second)];
      steps.first_word = slots_[static_cast<size_t>(one)].counted;
      int32_t two = second == 0 ? kNone : Child(one, second);
      if (two == kNone) continue;
      steps.second_word = slots_[static_cast<size_t>(two)].counted;
      // A slot that is nobody's parent ends every walk.
      bool has_children = false;
      for (int32_t code = 1; code < stride_ && !has_children; ++code) has_children = Child(two, code) != kNone;
      if (has_children) steps.onward = two;
    }
  }
}

// The characters of the names get the codes 1, 2, ... in ascending order,
// so that the children of a node, sorted by character, are sorted by code.
// An upper-case character of the text takes the code of its lower case.
void ReversedNameTrie::AssignCodes(const std::vector<UString>& reversed) {
  std::vector<char16_t> chars;
  for (const UString& r : reversed) chars.insert(chars.end(), r.begin(), r.end());
  std::sort(chars.begin(), chars.end());
  chars.erase(std::unique(chars.begin(), chars.end()), chars.end());
  code_count_ = static_cast<int32_t>(chars.size());
  auto first_other = std::lower_bound(chars.begin(), chars.end(), kAscii);
  other_chars_.assign(first_other, chars.end());
  for (char16_t ch = 0; ch < kAscii; ++ch) {
    char16_t lower = ToLowerChar(ch);
    auto found = std::lower_bound(chars.begin(), first_other, lower);
    ascii_codes_[ch] = found != first_other && *found == lower ? static_cast<int32_t>(found - chars.begin()) + 1 : 0;
  }
}

int32_t ReversedNameTrie::OtherCode(char16_t ch) const {
  char16_t lower = ToLowerChar(ch);
  if (lower < kAscii) return ascii_codes_[lower];
  auto found = std::lower_bound(other_chars_.begin(), other_chars_.end(), lower);
  if (found == other_chars_.end() || *found != lower) return 0;
  return code_count_ - static_cast<int32_t>(other_chars_.end() - found) + 1;
}

// Level by level over the sorted names: the names that share a prefix of
// length `depth` form one range, and the distinct characters at `depth`
// within it are that node's children. Each node's children take the first
// free slots that fit their codes.
void ReversedNameTrie::Place(const std::vector<UString>& sorted) {
  struct Pending {
    int32_t slot;
    size_t from, to, depth;
  };
  slots_.assign(1, Slot{});
  slots_[0].parent = -2;  // the root is never free
  // skip[p]: p when slot p is free, else a later slot to look at, so that
  // the search passes over taken slots at once (paths are halved as they
  // are followed).
  std::vector<size_t> skip = {1};
  auto grow = [&](size_t size) {
    while (slots_.size() < size) {
      skip.push_back(slots_.size());
      slots_.emplace_back();
    }
  };
  auto find_free = [&](size_t at) {
    while (at < skip.size() && skip[at] != at) {
      size_t next = skip[at];
      if (next < skip.size()) skip[at] = skip[next];
      at = next;
    }
    return at;
  };
  int32_t highest_base = 0;
  std::vector<Pending> queue = {{0, 0, sorted.size(), 0}};
  std::vector<int32_t> codes;
  std::vector<std::pair<size_t, size_t>> ranges;
  for (size_t next = 0; next < queue.size(); ++next) {
    Pending p = queue[next];
    size_t i = p.from;
    if (i < p.to && sorted[i].size() == p.depth) slots_[static_cast<size_t>(p.slot)].counted = static_cast<int32_t>(++i);
    codes.clear();
    ranges.clear();
    while (i < p.to) {
      char16_t ch = sorted[i][p.depth];
      size_t j = i;
      while (j < p.to && sorted[j][p.depth] == ch) ++j;
      codes.push_back(ch < kAscii ? ascii_codes_[ch] : OtherCode(ch));
      ranges.emplace_back(i, j);
      i = j;
    }
    if (codes.empty()) continue;

    // The first free slots that fit the codes; after a few tries, past the
    // end, where every slot is free, so that placing stays linear.
    constexpr int kTries = 32;
    const size_t first_code = static_cast<size_t>(codes[0]);
    size_t base = 0;
    size_t at = find_free(first_code);
    for (int tries = 1;; ++tries) {
      if (tries == kTries) at = std::max(slots_.size(), first_code);
      base = at - first_code;
      grow(base + static_cast<size_t>(codes.back()) + 1);
      if (std::all_of(codes.begin(), codes.end(),
                      [&](int32_t code) { return slots_[base + static_cast<size_t>(code)].parent == kNone; })) {
        break;
      }
      at = find_free(at + 1);
    }
    slots_[static_cast<size_t>(p.slot)].base = static_cast<int32_t>(base);
    highest_base = std::max(highest_base, static_cast<int32_t>(base));
    for (size_t k = 0; k < codes.size(); ++k) {
      size_t child = base + static_cast<size_t>(codes[k]);
      slots_[child].parent = p.slot;
      skip[child] = child + 1;
      queue.push_back({static_cast<int32_t>(child), ranges[k].first, ranges[k].second, p.depth + 1});
    }
  }
  // Every step from any slot stays inside the array.
  grow(static_cast<size_t>(highest_base) + static_cast<size_t>(code_count_) + 1);
}

}  // namespace sparlin
