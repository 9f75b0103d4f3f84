#include "app/png_picture.h"

#include <png.h>

namespace sparlin {

std::optional<RgbaPicture> DecodePng(std::string_view png_bytes) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, png_bytes.data(), png_bytes.size())) return std::nullopt;
  image.format = PNG_FORMAT_RGBA;
  RgbaPicture picture;
  picture.width = static_cast<int>(image.width);
  picture.height = static_cast<int>(image.height);
  picture.pixels.resize(PNG_IMAGE_SIZE(image));
  // A truncated or corrupt stream fails here and frees the decoder.
  if (!png_image_finish_read(&image, nullptr, picture.pixels.data(), 0, nullptr)) {
    png_image_free(&image);
    return std::nullopt;
  }
  return picture;
}

std::optional<RgbaPicture> DecodeDonatePicture(std::string_view png_bytes) {
  auto picture = DecodePng(png_bytes);
  if (!picture || picture->width != kDonatePictureSize || picture->height != kDonatePictureSize) return std::nullopt;
  return picture;
}

}  // namespace sparlin
