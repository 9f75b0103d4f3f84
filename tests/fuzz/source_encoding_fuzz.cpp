// Decoding file bytes by their byte-order mark and writing the preprocessed
// file in each encoding a source can have.
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_target.h"
#include "source_stage/preprocessed_file.h"
#include "source_stage/source_encoding.h"

using namespace sparlin;

SPARLIN_FUZZ_TARGET(source_encoding) {
  std::string_view bytes = fuzz::AsBytes(data, size);
  // UTF-8 decoding is lossless: an ANSI file survives a rewrite unchanged.
  UString text = DecodeUtf8(bytes);
  SPARLIN_FUZZ_CHECK(EncodeUtf8(text) == bytes);
  SPARLIN_FUZZ_CHECK(DecodeText(EncodeText(text, TextEncoding::kUtf16LE), TextEncoding::kUtf16LE) == text);

  DecodeWithBom(bytes);
  for (TextEncoding format : {TextEncoding::kAscii, TextEncoding::kUtf8, TextEncoding::kUtf16LE,
                              TextEncoding::kUtf16BE, TextEncoding::kUtf32BE}) {
    ConvertedPreprocessedBytes(bytes, format);
    DecodePreprocessed(bytes, format);
  }
  return 0;
}
