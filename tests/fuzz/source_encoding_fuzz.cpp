// Decoding file bytes by their byte-order mark and writing the preprocessed
// file in each encoding a source can have.
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_target.h"
#include "source_stage/preprocessed_file.h"
#include "source_stage/source_encoding.h"
#include "text/utf8_pieces.h"

using namespace sparlin;

SPARLIN_FUZZ_TARGET(source_encoding) {
  std::string_view bytes = fuzz::AsBytes(data, size);
  // UTF-8 decoding is lossless: an ANSI file survives a rewrite unchanged.
  UString text = DecodeUtf8(bytes);
  SPARLIN_FUZZ_CHECK(EncodeUtf8(text) == bytes);
  SPARLIN_FUZZ_CHECK(DecodeText(EncodeText(text, TextEncoding::kUtf16LE), TextEncoding::kUtf16LE) == text);
  SPARLIN_FUZZ_CHECK(Utf16UnitCount(bytes, Utf8Form::kFile) == text.size());
  // Any UTF-16 text, lone surrogates included, comes back from its bytes.
  const UString utf16 = DecodeText(bytes, TextEncoding::kUtf16LE);
  const std::string held = Utf16AsBytes(utf16);
  SPARLIN_FUZZ_CHECK(DecodeUtf8As(held, Utf8Form::kWithSurrogates) == utf16);
  SPARLIN_FUZZ_CHECK(Utf16UnitCount(held, Utf8Form::kWithSurrogates) == utf16.size());
  // The direct conversions give what the way through the text gives.
  SPARLIN_FUZZ_CHECK(Utf16FileAsBytes(bytes, false) == held);
  SPARLIN_FUZZ_CHECK(Utf16FileAsBytes(bytes, true) == Utf16AsBytes(DecodeText(bytes, TextEncoding::kUtf16BE)));
  std::string as_utf16;
  AppendBytesAsUtf16(as_utf16, held, Utf8Form::kWithSurrogates, false);
  SPARLIN_FUZZ_CHECK(as_utf16 == EncodeText(utf16, TextEncoding::kUtf16LE));
  as_utf16.clear();
  AppendBytesAsUtf16(as_utf16, bytes, Utf8Form::kFile, true);
  SPARLIN_FUZZ_CHECK(as_utf16 == EncodeText(text, TextEncoding::kUtf16BE));

  // The converted file holds the compiler's text and one "\r\n" more, in the
  // encoding of its mark.
  const bool marked = DetectBom(bytes).length > 0;
  for (TextEncoding format : {TextEncoding::kAscii, TextEncoding::kUtf8, TextEncoding::kUtf16LE,
                              TextEncoding::kUtf16BE, TextEncoding::kUtf32BE}) {
    std::string converted = ConvertedPreprocessedBytes(bytes, format);
    if (marked) continue;
    SPARLIN_FUZZ_CHECK(converted.compare(0, BomBytes(format).size(), BomBytes(format)) == 0);
    SPARLIN_FUZZ_CHECK(DecodePreprocessed(converted, format) == text + u"\r\n");
    DecodePreprocessed(bytes, format);
  }
  return 0;
}
