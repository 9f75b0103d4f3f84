// The donate button's picture: PNG bytes decoded into straight (not
// premultiplied) 8-bit RGBA pixels, rows from the top.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace sparlin {

inline constexpr int kDonatePictureSize = 36;

struct RgbaPicture {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> pixels;  // width * height * 4 bytes: R, G, B, A
};

// Any PNG (palette, grey, 16-bit and interlaced ones are converted); nullopt
// for bytes that are not a complete, valid PNG.
std::optional<RgbaPicture> DecodePng(std::string_view png_bytes);

// The donate picture: a PNG of exactly 36 x 36 pixels; nullopt otherwise.
std::optional<RgbaPicture> DecodeDonatePicture(std::string_view png_bytes);

}  // namespace sparlin
