// UTF-16 text as the program holds it in memory, and the codecs used at the
// file and process edges.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sparlin {

using UString = std::u16string;
using UStringView = std::u16string_view;

// Text encodings that a byte-order mark can name. kReadFailed (0) is what a
// source that could not be read reports.
enum class TextEncoding : int {
  kReadFailed = 0,
  kAscii = 1,    // no byte-order mark: the bytes are taken as UTF-8
  kUtf8 = 2,     // EF BB BF
  kUtf16LE = 3,  // FF FE
  kUtf16BE = 4,  // FE FF
  kUtf32BE = 5,  // 00 00 FE FF
};

// Decodes UTF-8 without loss: a byte that is not part of a valid sequence
// becomes the lone surrogate U+DC00 + byte, which EncodeUtf8 turns back into
// that byte. So an ANSI file survives a read-modify-write unchanged.
UString DecodeUtf8(std::string_view bytes);
std::string EncodeUtf8(UStringView text);
// The number of bytes EncodeUtf8 gives for `text`.
size_t EncodedUtf8Size(UStringView text);

// Short forms for literals and for logging.
inline UString U(std::string_view utf8) { return DecodeUtf8(utf8); }
inline std::string Utf8(UStringView text) { return EncodeUtf8(text); }

// The byte-order mark at the start of `bytes` and its length in bytes.
struct DetectedBom {
  TextEncoding encoding;
  size_t length;
};
DetectedBom DetectBom(std::string_view bytes);
std::string BomBytes(TextEncoding encoding);  // empty for kAscii

// Text after the mark, in the encoding that the mark names (kAscii and kUtf8
// decode as UTF-8).
UString DecodeText(std::string_view bytes, TextEncoding encoding);
std::string EncodeText(UStringView text, TextEncoding encoding);
// The same, added to the end of `out`.
void AppendEncodedText(std::string& out, UStringView text, TextEncoding encoding);

// Whole file bytes -> text: skips a byte-order mark and decodes by it.
UString DecodeWithBom(std::string_view bytes);

}  // namespace sparlin
