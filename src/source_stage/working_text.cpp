#include "source_stage/working_text.h"

namespace sparlin {
namespace {

constexpr size_t kPendingBlock = 32768;

}  // namespace

WorkingTextBuilder::WorkingTextBuilder() : builder_(TextBuilderNew()) { pending_.reserve(kPendingBlock); }

WorkingTextBuilder::~WorkingTextBuilder() { TextBuilderFree(builder_); }

void WorkingTextBuilder::AddLine(UStringView line) {
  if (pending_.size() + line.size() + 2 > kPendingBlock) Flush();
  pending_.append(line);
  pending_.append(u"\r\n", 2);
  size_ += line.size() + 2;
}

void WorkingTextBuilder::Flush() {
  if (pending_.empty()) return;
  TextBuilderAppend(builder_, std::move(pending_));
  pending_ = UString();
  pending_.reserve(kPendingBlock);
}

std::optional<UString> WorkingTextBuilder::Finish() {
  Flush();
  if (!builder_ || TextBuilderFailed(builder_)) return std::nullopt;
  return TextBuilderText(builder_);
}

UStringView TrimBlanksView(UStringView line) {
  size_t first = line.find_first_not_of(u' ');
  if (first == UStringView::npos) return UStringView();
  return line.substr(first, line.find_last_not_of(u' ') - first + 1);
}

}  // namespace sparlin
