// Reading and writing the preprocessed file in the source's encoding, shared
// by the encoding step and the two removal passes.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/build_state.h"
#include "core/messages.h"
#include "source_stage/working_text.h"
#include "text/ustring.h"

namespace sparlin {

// The text of the file's bytes: a byte-order mark is skipped and decides the
// decoding; without one, `format` decides (the "Ascii" kind and UTF-8 decode
// as UTF-8, losslessly).
UString DecodePreprocessed(std::string_view bytes, TextEncoding format);

// The bytes at the end of the file that do not make a whole code unit of
// its encoding (the last byte of a UTF-16 file of odd length). They cannot
// be decoded, so every rewrite puts them back at the end of the file.
std::string TrailingPartialUnit(std::string_view bytes, TextEncoding format);

// The file's new bytes: the mark of `format` (none for "Ascii"), then `text`
// followed by "\r\n", in the encoding that the mark names, then `trailing`.
std::string EncodePreprocessed(UStringView text, TextEncoding format, std::string_view trailing = {});
// The same for a text held as bytes in `form` (utf8_pieces.h): a UTF-8 file's
// bytes go out as they are.
std::string EncodePreprocessedBytes(std::string_view text, Utf8Form form, TextEncoding format,
                                    std::string_view trailing = {});
// The same, made in `text`'s own buffer where the bytes stay as they are.
std::string EncodePreprocessedBytes(std::string&& text, Utf8Form form, TextEncoding format,
                                    std::string_view trailing = {});

// What a removal pass makes of the file's text; `ok` is false when its
// working text could not be held in memory.
struct RewrittenText {
  bool ok = false;
  std::string text;  // in the form of the text the pass was given, without the file's final "\r\n"
  UString log_item;
};

// The file side of the removal passes: reads the preprocessed file in the
// source's encoding, runs `pass` on its text, logs its item, sets the
// progress bar and writes the file back safely. A file that cannot be read,
// or a text that cannot be written, shows the pass's message (`error_title`)
// and leaves the file as it was.
// A UTF-8 (or "Ascii") file is given to the pass as its bytes; a UTF-16 or
// UTF-32 file is converted once into bytes (Utf16AsBytes) and once back. The
// pass gets a call that frees what it reads from, which it makes once it has
// read the lines, so that a large file is not held twice.
using RemovalPass = std::function<RewrittenText(const SourceText& file, const std::function<void()>& release_file)>;
void RewritePreprocessedFile(BuildContext& ctx, const UString& error_title, int progress, const RemovalPass& pass);

}  // namespace sparlin
