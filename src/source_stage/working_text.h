// The working text of a removal pass: every line of the file trimmed of
// blanks and ended with "\r\n", written once into a buffer of its size.
#pragma once

#include <functional>
#include <new>
#include <optional>
#include <string_view>
#include <vector>

#include "text/buffered_text_builder.h"
#include "text/text_builder.h"
#include "text/text_ops.h"
#include "text/ustring.h"

namespace sparlin {

// Whether a text still fits a TextBuilder's limits, as the builder decides
// when it is fed in blocks of up to 32768 code units (a BufferedTextBuilder):
// the same pieces give the same answer, without the text being stored.
class TextBuilderFit {
 public:
  explicit TextBuilderFit(const TextBuilderLimits& limits) : limits_(limits) {}

  void Add(size_t piece) {
    if (pending_ + piece > kBlock) Flush();
    pending_ += piece;
  }
  // False once the builder would have failed.
  bool Fits() {
    Flush();
    return !failed_;
  }

 private:
  static constexpr size_t kBlock = BufferedTextBuilder::kBlock;
  void Flush();

  TextBuilderLimits limits_;
  size_t pending_ = 0;
  int64_t length_ = 0;
  int64_t capacity_ = kTextBuilderFirstBlock;
  bool failed_ = false;
};

namespace working_text_detail {

inline UStringView TrimSpaces(UStringView raw) {
  size_t first = 0;
  size_t last = raw.size();
  while (first < last && raw[first] == u' ') ++first;
  while (last > first && raw[last - 1] == u' ') --last;
  return raw.substr(first, last - first);
}

// `for_each_line(f)` calls f with every raw line; at most `bound` code units
// come out.
template <typename ForEachRawLine, typename Visit>
std::optional<UString> Write(size_t bound, ForEachRawLine for_each_line, const TextBuilderLimits& limits,
                             const std::function<void()>& release_input, Visit visit) {
  TextBuilderFit fit(limits);
  UString text;
  try {
    text.reserve(bound);
  } catch (const std::bad_alloc&) {
    if (release_input) release_input();
    return std::nullopt;
  }
  for_each_line([&](UStringView raw) {
    UStringView line = TrimSpaces(raw);
    visit(line, text.size());
    text.append(line);
    text.append(u"\r\n", 2);
    fit.Add(line.size());
    fit.Add(2);
  });
  if (release_input) release_input();
  if (!fit.Fits()) return std::nullopt;
  return text;
}

}  // namespace working_text_detail

// The working text of `lines`. `visit(line, offset)` sees each trimmed line
// with the offset at which it stands in the text. `release_input`, when
// given, is called once the lines have been read. Nothing when the text
// could not be held.
// `Line` is UString or UStringView.
template <typename Line, typename Visit>
std::optional<UString> BuildWorkingText(const std::vector<Line>& lines, const TextBuilderLimits& limits,
                                        const std::function<void()>& release_input, Visit visit) {
  size_t bound = 2 * lines.size();
  for (const Line& line : lines) bound += line.size();
  return working_text_detail::Write(
      bound,
      [&lines](auto line) {
        for (const Line& raw : lines) line(UStringView(raw));
      },
      limits, release_input, visit);
}

// The lines of a whole file: split from its decoded text as SplitLines
// splits, or from its UTF-8 bytes, decoded a piece at a time (each piece
// ends after a line feed, which no multi-byte character holds), so that
// the whole text is never held decoded beside its working text.
struct FileLines {
  static FileLines OfText(UStringView text) { return {text, {}, false, 0}; }
  static FileLines OfUtf8(std::string_view bytes, size_t piece_bytes = size_t{1} << 20) {
    return {{}, bytes, true, piece_bytes < 1 ? 1 : piece_bytes};
  }

  UStringView text;
  std::string_view utf8;
  bool from_utf8;
  size_t piece_bytes;
};

namespace working_text_detail {

template <typename Line>
void ForEachLineOf(const FileLines& file, Line line) {
  if (!file.from_utf8) return ForEachLine(file.text, line);
  const std::string_view bytes = file.utf8;
  for (size_t from = 0; from < bytes.size();) {
    size_t to = bytes.size();
    if (bytes.size() - from > file.piece_bytes) {
      size_t feed = bytes.find('\n', from + file.piece_bytes - 1);
      if (feed != std::string_view::npos) to = feed + 1;
    }
    UString piece = DecodeUtf8(bytes.substr(from, to - from));
    ForEachLine(piece, line);
    from = to;
  }
}

// Each line gains at most its "\r\n" in place of a line break of at least
// one unit; the last line may have none. UTF-8 never has fewer bytes than
// code units.
inline size_t BoundOf(const FileLines& file) {
  size_t bound = 2;
  if (file.from_utf8) {
    bound += file.utf8.size();
    for (char byte : file.utf8) bound += byte == '\n' || byte == '\r';
  } else {
    bound += file.text.size();
    for (char16_t ch : file.text) bound += ch == u'\n' || ch == u'\r';
  }
  return bound;
}

}  // namespace working_text_detail

// The same for the lines of a whole file.
template <typename Visit>
std::optional<UString> BuildWorkingText(const FileLines& file, const TextBuilderLimits& limits,
                                        const std::function<void()>& release_input, Visit visit) {
  return working_text_detail::Write(
      working_text_detail::BoundOf(file),
      [&file](auto line) { working_text_detail::ForEachLineOf(file, line); }, limits, release_input, visit);
}

}  // namespace sparlin
