// The UTF-8 codec against the one that took one code point at a time, on
// random mixes of ASCII runs, multi-byte sequences, invalid bytes and lone
// or paired surrogates, at every position relative to its blocks.
#include <gtest/gtest.h>

#include <random>

#include "oracle/literal_text_codec.h"

namespace sparlin {
namespace {

TEST(Utf8Differential, SameTextsAndBytesAsTheCodePointCodec) {
  static const char* const kPieces[] = {"a", "abcdefgh", "\xc3\xbc", "\xe2\x82\xac", "\xf0\x9f\x98\x80",
                                        "\x80", "\xc3", "\xed\xa0\x80", "\xff", "\r\n"};
  static const char16_t kUnits[] = {u'a', u'Z', 0x7F, 0x80, 0xFC, 0x20AC, 0xD83D, 0xDE00, 0xDC80, 0xDCFF, 0xD800};
  std::mt19937_64 random(11);
  for (int round = 0; round < 2000; ++round) {
    std::string bytes;
    UString text;
    size_t pieces = random() % 24;
    for (size_t i = 0; i < pieces; ++i) {
      bytes += kPieces[random() % std::size(kPieces)];
      text += random() % 3 == 0 ? kUnits[random() % std::size(kUnits)] : u'x';
    }
    SCOPED_TRACE(round);
    ASSERT_EQ(DecodeUtf8(bytes), oracle::LiteralDecodeUtf8(bytes));
    ASSERT_EQ(EncodeUtf8(text), oracle::LiteralEncodeUtf8(text));
  }
}

}  // namespace
}  // namespace sparlin
