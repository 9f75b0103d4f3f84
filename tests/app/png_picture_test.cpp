#include "app/png_picture.h"

#include <gtest/gtest.h>
#include <png.h>

#include <fstream>
#include <sstream>

namespace sparlin {
namespace {

// Encodes pixels with libpng's writer in the given format.
std::string EncodePng(int width, int height, const std::vector<uint8_t>& pixels, png_uint_32 format,
                      const std::vector<uint8_t>& colormap = {}) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = format;
  image.colormap_entries = static_cast<png_uint_32>(colormap.size() / 4);
  png_alloc_size_t size = 0;
  EXPECT_TRUE(png_image_write_to_memory(&image, nullptr, &size, 0, pixels.data(), 0,
                                        colormap.empty() ? nullptr : colormap.data()));
  std::string bytes(size, '\0');
  EXPECT_TRUE(png_image_write_to_memory(&image, bytes.data(), &size, 0, pixels.data(), 0,
                                        colormap.empty() ? nullptr : colormap.data()));
  bytes.resize(size);
  return bytes;
}

std::vector<uint8_t> Pattern(int width, int height) {
  std::vector<uint8_t> pixels;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      pixels.insert(pixels.end(), {static_cast<uint8_t>(x * 7), static_cast<uint8_t>(y * 5),
                                   static_cast<uint8_t>(x ^ y), static_cast<uint8_t>((x + y) * 3)});
    }
  }
  return pixels;
}

TEST(PngPicture, DecodesRgbaAndPalettePicturesToStraightRgba) {
  std::vector<uint8_t> rgba = Pattern(36, 36);
  auto picture = DecodeDonatePicture(EncodePng(36, 36, rgba, PNG_FORMAT_RGBA));
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->width, 36);
  EXPECT_EQ(picture->height, 36);
  EXPECT_EQ(picture->pixels, rgba);

  // A two-colour palette picture with a transparent entry comes out as RGBA.
  std::vector<uint8_t> colormap = {10, 20, 30, 255, 0, 0, 0, 0};
  std::vector<uint8_t> indexes(36 * 36);
  std::vector<uint8_t> expected;
  for (size_t i = 0; i < indexes.size(); ++i) {
    indexes[i] = i % 3 == 0;
    expected.insert(expected.end(), colormap.begin() + indexes[i] * 4, colormap.begin() + indexes[i] * 4 + 4);
  }
  auto palette = DecodePng(EncodePng(36, 36, indexes, PNG_FORMAT_RGBA_COLORMAP, colormap));
  ASSERT_TRUE(palette);
  EXPECT_EQ(palette->pixels, expected);
}

TEST(PngPicture, RejectsBrokenBytesAndOtherSizesForTheDonatePicture) {
  std::string png = EncodePng(36, 36, Pattern(36, 36), PNG_FORMAT_RGBA);
  EXPECT_FALSE(DecodePng(""));
  EXPECT_FALSE(DecodePng("not a png at all"));
  EXPECT_FALSE(DecodePng(png.substr(0, png.size() / 2)));  // cut inside the image data
  std::string corrupt = png;
  corrupt[corrupt.size() / 2] ^= 0x55;
  EXPECT_FALSE(DecodePng(corrupt));

  std::string small = EncodePng(16, 8, Pattern(16, 8), PNG_FORMAT_RGBA);
  ASSERT_TRUE(DecodePng(small));
  EXPECT_EQ(DecodePng(small)->pixels, Pattern(16, 8));
  EXPECT_FALSE(DecodeDonatePicture(small));
}

TEST(PngPicture, TheShippedDonatePictureIsA36By36PictureWithTransparency) {
  std::ifstream in(std::string(SPARLIN_SOURCE_DIR) + "/resources/donate.png", std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  // 8-bit RGBA as stored: colour type 6, bit depth 8 in the header chunk.
  std::string png = bytes.str();
  ASSERT_GT(png.size(), 33u);
  EXPECT_EQ(png.substr(12, 4), "IHDR");
  EXPECT_EQ(png[24], 8);
  EXPECT_EQ(png[25], 6);
  auto picture = DecodeDonatePicture(png);
  ASSERT_TRUE(picture);
  int transparent = 0, opaque = 0;
  for (size_t i = 3; i < picture->pixels.size(); i += 4) {
    transparent += picture->pixels[i] == 0;
    opaque += picture->pixels[i] == 255;
  }
  EXPECT_GT(transparent, 100);  // the corners
  EXPECT_GT(opaque, 300);       // the heart
}

}  // namespace
}  // namespace sparlin
