// A fixed set of names -> their numbers, looked up by views into the text.
// Open addressing over a power-of-two table: the scan looks up one name per
// reference line, so a look-up must cost about as much as reading the name.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "text/ustring.h"

namespace sparlin {

class NameTable {
 public:
  using View = std::string_view;
  static constexpr uint32_t kAbsent = UINT32_MAX;

  // The names must outlive the table; a repeated name keeps its first number.
  explicit NameTable(const std::vector<std::string>& names) {
    size_t size = 16;
    while (size < names.size() * 2 + 1) size *= 2;
    slots_.assign(size, Slot{});
    mask_ = size - 1;
    for (size_t i = 0; i < names.size(); ++i) {
      View name = names[i];
      uint64_t hash = Hash(name);
      size_t slot = hash & mask_;
      while (slots_[slot].id != kAbsent && !(slots_[slot].hash == hash && slots_[slot].name == name)) {
        slot = (slot + 1) & mask_;
      }
      if (slots_[slot].id == kAbsent) slots_[slot] = {name, hash, static_cast<uint32_t>(i)};
    }
  }

  uint32_t Find(View name) const {
    uint64_t hash = Hash(name);
    for (size_t slot = hash & mask_;; slot = (slot + 1) & mask_) {
      const Slot& s = slots_[slot];
      if (s.id == kAbsent) return kAbsent;
      if (s.hash == hash && Same(s.name, name)) return s.id;
    }
  }

  // Names are short: compared eight bytes at a time, without a call; the
  // last word overlaps the one before it, so no loop runs byte by byte.
  static bool Same(View a, View b) {
    if (a.size() != b.size()) return false;
    const char* x = reinterpret_cast<const char*>(a.data());
    const char* y = reinterpret_cast<const char*>(b.data());
    size_t bytes = a.size() * sizeof(char);
    if (bytes < 8) {
      for (size_t i = 0; i < bytes; ++i) {
        if (x[i] != y[i]) return false;
      }
      return true;
    }
    uint64_t u, v;
    for (size_t i = 0; i + 8 < bytes; i += 8) {
      std::memcpy(&u, x + i, 8);
      std::memcpy(&v, y + i, 8);
      if (u != v) return false;
    }
    std::memcpy(&u, x + bytes - 8, 8);
    std::memcpy(&v, y + bytes - 8, 8);
    return u == v;
  }

  // Eight bytes per step.
  static uint64_t Hash(View name) {
    constexpr uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
    constexpr size_t kStep = sizeof(uint64_t) / sizeof(char);
    uint64_t hash = kMultiplier ^ name.size();
    size_t i = 0;
    for (; i + kStep <= name.size(); i += kStep) {
      uint64_t word;
      std::memcpy(&word, name.data() + i, sizeof word);
      hash = (hash ^ word) * kMultiplier;
      hash ^= hash >> 29;
    }
    if (i < name.size()) {
      // The last eight bytes as one word (overlapping the words before), or
      // the whole of a shorter name with the rest of the word zero.
      uint64_t word = 0;
      if (name.size() >= kStep) {
        std::memcpy(&word, name.data() + name.size() - kStep, sizeof word);
      } else {
        const unsigned char* bytes = reinterpret_cast<const unsigned char*>(name.data());
        for (size_t b = 0; b < name.size() * sizeof(char); ++b) word |= uint64_t{bytes[b]} << (8 * b);
      }
      hash = (hash ^ word) * kMultiplier;
      hash ^= hash >> 29;
    }
    return hash ^ (hash >> 32);
  }

 private:
  struct Slot {
    View name;
    uint64_t hash = 0;
    uint32_t id = kAbsent;
  };
  std::vector<Slot> slots_;
  size_t mask_ = 0;
};

}  // namespace sparlin
