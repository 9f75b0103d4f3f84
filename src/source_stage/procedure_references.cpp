#include "source_stage/procedure_references.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "text/text_ops.h"

namespace sparlin {
namespace {

constexpr int32_t kNone = -1;

// The lower-case names written backwards in a trie, so that the text can be
// read backwards from every "(" and each name that ends there is met once.
// The children of a node lie side by side in ascending order of their
// characters; the first two steps of a walk over ASCII characters go through
// tables, as nearly every walk takes them.
class ReversedNameTrie {
 public:
  explicit ReversedNameTrie(const std::vector<UString>& names) {
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
    Build(sorted);

    // The first two steps of a walk go through tables for ASCII characters.
    root_ascii_.assign(kAscii, kNone);
    second_ascii_.assign(kAscii * kAscii, kNone);
    const Node& root = nodes_[0];
    for (int32_t child = root.first_child; child < root.first_child + static_cast<int32_t>(root.child_count); ++child) {
      const Node& first = nodes_[static_cast<size_t>(child)];
      if (first.ch >= kAscii) continue;
      root_ascii_[first.ch] = child;
      for (int32_t grandchild = first.first_child;
           grandchild < first.first_child + static_cast<int32_t>(first.child_count); ++grandchild) {
        char16_t ch = nodes_[static_cast<size_t>(grandchild)].ch;
        if (ch < kAscii) second_ascii_[first.ch * kAscii + ch] = grandchild;
      }
    }
    name_word_.reserve(names.size());
    for (const UString& r : reversed) {
      int32_t node = 0;
      for (char16_t ch : r) node = Child(node, ch);
      name_word_.push_back(nodes_[static_cast<size_t>(node)].word);
    }
  }

  int32_t word_count() const { return static_cast<int32_t>(word_count_); }
  int32_t WordOfName(size_t name) const { return name_word_[name]; }

  // Adds one to the count of every name that ends just before `end` in
  // `text`, and one more when an "@" stands before that name.
  void CountNamesEndingAt(UStringView text, size_t end, std::vector<int64_t>& counts) const {
    Credit(0, text, end, counts);
    if (end == 0) return;
    char16_t last = Lower(text[end - 1]);
    int32_t node = last < kAscii ? root_ascii_[last] : Child(0, last);
    if (node == kNone) return;
    Credit(node, text, end - 1, counts);
    if (end == 1) return;
    char16_t before_last = Lower(text[end - 2]);
    node = last < kAscii && before_last < kAscii ? second_ascii_[last * kAscii + before_last] : Child(node, before_last);
    for (size_t at = end - 2; node != kNone; --at) {
      Credit(node, text, at, counts);
      if (at == 0) return;
      node = Child(node, Lower(text[at - 1]));
    }
  }

 private:
  // The name that ends at `node`, if any, read from `start` in the text.
  void Credit(int32_t node, UStringView text, size_t start, std::vector<int64_t>& counts) const {
    int32_t word = nodes_[static_cast<size_t>(node)].word;
    if (word != kNone) counts[static_cast<size_t>(word)] += (start > 0 && text[start - 1] == u'@') ? 2 : 1;
  }

  struct Node {
    int32_t first_child = 0;
    int32_t word = kNone;  // the name that ends here
    uint32_t child_count = 0;
    char16_t ch = 0;
  };

  // ToLowerChar, with the common ASCII case decided here.
  static char16_t Lower(char16_t ch) {
    if (ch < 0x80) return ch >= u'A' && ch <= u'Z' ? static_cast<char16_t>(ch + 32) : ch;
    return ToLowerChar(ch);
  }

  int32_t Child(int32_t node, char16_t ch) const {
    const Node& parent = nodes_[static_cast<size_t>(node)];
    const Node* first = nodes_.data() + parent.first_child;
    const Node* last = first + parent.child_count;
    if (parent.child_count > 8) {
      first = std::lower_bound(first, last, ch, [](const Node& n, char16_t c) { return n.ch < c; });
      return first != last && first->ch == ch ? static_cast<int32_t>(first - nodes_.data()) : kNone;
    }
    for (; first != last && first->ch <= ch; ++first) {
      if (first->ch == ch) return static_cast<int32_t>(first - nodes_.data());
    }
    return kNone;
  }

  // Level by level over the sorted names: the names that share a prefix of
  // length `depth` form one range, and the distinct characters at `depth`
  // within it are that node's children, numbered one after the other.
  void Build(const std::vector<UString>& sorted) {
    struct Pending {
      int32_t node;
      size_t from, to, depth;
    };
    nodes_.push_back(Node{});
    std::vector<Pending> queue = {{0, 0, sorted.size(), 0}};
    for (size_t next = 0; next < queue.size(); ++next) {
      Pending p = queue[next];
      size_t i = p.from;
      if (i < p.to && sorted[i].size() == p.depth) nodes_[static_cast<size_t>(p.node)].word = word_count_++, ++i;
      nodes_[static_cast<size_t>(p.node)].first_child = static_cast<int32_t>(nodes_.size());
      while (i < p.to) {
        char16_t ch = sorted[i][p.depth];
        size_t j = i;
        while (j < p.to && sorted[j][p.depth] == ch) ++j;
        Node child;
        child.ch = ch;
        nodes_.push_back(child);
        ++nodes_[static_cast<size_t>(p.node)].child_count;
        queue.push_back({static_cast<int32_t>(nodes_.size() - 1), i, j, p.depth + 1});
        i = j;
      }
    }
  }

  std::vector<Node> nodes_;
  static constexpr char16_t kAscii = 128;
  std::vector<int32_t> root_ascii_;    // root's child per ASCII character
  std::vector<int32_t> second_ascii_;  // per ASCII pair: the node two steps down
  std::vector<int32_t> name_word_;  // per given name: its word
  int32_t word_count_ = 0;
};

// Calls `found(position)` for every "(" of the text, in order. The text is
// read 64 code units at a time into a bit mask of the "(" among them, so
// the search does not branch on every character.
template <typename Found>
void ForEachOpenParenthesis(UStringView text, Found found) {
  static_assert(std::endian::native == std::endian::little, "lanes are read in text order");
  constexpr uint64_t kLow15 = 0x7FFF7FFF7FFF7FFFull;
  constexpr uint64_t kParens = 0x0028002800280028ull;  // "(" in every lane
  size_t block = 0;
  for (; block + 64 <= text.size(); block += 64) {
    uint64_t mask = 0;
    for (size_t word = 0; word < 16; ++word) {
      uint64_t units;
      std::memcpy(&units, text.data() + block + word * 4, sizeof units);
      uint64_t diff = units ^ kParens;
      // The high bit of a lane is set exactly when the lane is zero.
      uint64_t zero = ~(((diff & kLow15) + kLow15) | diff | kLow15);
      uint64_t lanes = ((zero >> 15) & 1) | ((zero >> 30) & 2) | ((zero >> 45) & 4) | ((zero >> 60) & 8);
      mask |= lanes << (word * 4);
    }
    while (mask != 0) {
      found(block + static_cast<size_t>(std::countr_zero(mask)));
      mask &= mask - 1;
    }
  }
  for (size_t at = block; at < text.size(); ++at) {
    if (text[at] == u'(') found(at);
  }
}

}  // namespace

std::vector<int64_t> CountProcedureReferences(UStringView text, const std::vector<UString>& names) {
  ReversedNameTrie trie(names);
  std::vector<int64_t> word_counts(static_cast<size_t>(trie.word_count()), 0);
  // A name holds no "(", so a walk never passes the "(" before its own: the
  // walks cover each stretch of text at most twice, and the count stays
  // linear in the text whatever the names are.
  if (!names.empty()) {
    ForEachOpenParenthesis(text, [&](size_t paren) {
      trie.CountNamesEndingAt(text, paren, word_counts);  // name + "("
      if (paren > 0 && text[paren - 1] == u' ') trie.CountNamesEndingAt(text, paren - 1, word_counts);  // name + " ("
    });
  }
  std::vector<int64_t> counts(names.size());
  for (size_t i = 0; i < names.size(); ++i) counts[i] = word_counts[static_cast<size_t>(trie.WordOfName(i))];
  return counts;
}

}  // namespace sparlin
