// The working text of a removal pass: every line of the file trimmed of
// blanks and ended with "\r\n", written once into a buffer of its size.
// The passes work on the file's UTF-8 bytes; offsets count bytes.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "text/text_builder.h"
#include "text/text_ops.h"
#include "text/utf8_pieces.h"

namespace sparlin {

// A source file's text as the removal passes read it: its UTF-8 bytes, or,
// for a UTF-16 or UTF-32 file, its text in the byte form that keeps lone
// surrogates (Utf16AsBytes).
struct SourceText {
  SourceText(std::string_view text, Utf8Form text_form = Utf8Form::kFile) : bytes(text), form(text_form) {}
  SourceText(const std::string& text, Utf8Form text_form = Utf8Form::kFile)
      : SourceText(std::string_view(text), text_form) {}
  SourceText(const char* text) : SourceText(std::string_view(text)) {}
  std::string_view bytes;
  Utf8Form form;
};

// Whether a working text fits a TextBuilder's limits, as the builder decides
// when it is fed each line and each "\r\n" through a BufferedTextBuilder (in
// blocks of up to 32768 code units): the limits count UTF-16 code units.
bool WorkingTextFits(const SourceText& working, const TextBuilderLimits& limits);

// The working text of `file`. `visit(line, offset)` sees each trimmed line
// with the offset at which it stands in the text. `release_input`, when
// given, is called once the lines have been read. Nothing when the text
// could not be held.
template <typename Visit>
std::optional<std::string> BuildWorkingText(const SourceText& file, const TextBuilderLimits& limits,
                                            const std::function<void()>& release_input, Visit visit) {
  std::string text;
  try {
    // Each line gains at most its "\r\n" in place of a line break of at
    // least one byte; the last line may have none. Memory that is reserved
    // but never written costs nothing.
    text.reserve(2 * file.bytes.size() + 2);
  } catch (const std::exception&) {
    if (release_input) release_input();
    return std::nullopt;
  }
  ForEachLine(file.bytes, [&](std::string_view raw) {
    std::string_view line = TrimBlanksView(raw);
    visit(line, text.size());
    text.append(line);
    text.append("\r\n", 2);
  });
  if (release_input) release_input();
  if (!WorkingTextFits(SourceText(text, file.form), limits)) return std::nullopt;
  return text;
}

}  // namespace sparlin
