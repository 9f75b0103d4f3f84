#include "source_stage/working_text.h"

#include "text/buffered_text_builder.h"

namespace sparlin {
namespace {

// The builder's growth as a BufferedTextBuilder feeds it: pieces are
// gathered into blocks of up to kBlock code units, a larger piece goes on by
// itself.
class BuilderGrowth {
 public:
  explicit BuilderGrowth(const TextBuilderLimits& limits) : limits_(limits) {}

  void Add(size_t piece) {
    if (pending_ + piece > kBlock) {
      Flush();
      if (piece > kBlock) {
        Append(piece);
        return;
      }
    }
    pending_ += piece;
  }
  bool Fits() {
    Flush();
    return !failed_;
  }

 private:
  static constexpr size_t kBlock = BufferedTextBuilder::kBlock;
  void Flush() {
    Append(pending_);
    pending_ = 0;
  }
  void Append(size_t count) {
    if (count == 0) return;
    if (!TextBuilderAppendFits(limits_, length_, static_cast<int64_t>(count), capacity_)) {
      failed_ = true;
      return;
    }
    length_ += static_cast<int64_t>(count);
  }

  TextBuilderLimits limits_;
  size_t pending_ = 0;
  int64_t length_ = 0;
  int64_t capacity_ = kTextBuilderFirstBlock;
  bool failed_ = false;
};

}  // namespace

bool WorkingTextFits(const SourceText& working, const TextBuilderLimits& limits) {
  // A text never has more code units than bytes, and the block grows to at
  // most 1.28 times twice its length plus 5 bytes: a text well inside both
  // limits fits whatever its lines are.
  const double bytes = static_cast<double>(working.bytes.size());
  if (bytes <= static_cast<double>(limits.max_length) &&
      (limits.max_block_bytes <= 0 || 2.56 * bytes + 8.0 <= static_cast<double>(limits.max_block_bytes))) {
    return true;
  }
  BuilderGrowth growth(limits);
  ForEachLine(working.bytes, [&](std::string_view line) {
    growth.Add(Utf16UnitCount(line, working.form));
    growth.Add(2);
  });
  return growth.Fits();
}

}  // namespace sparlin
