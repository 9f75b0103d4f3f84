#include "platform/win32/windows_api.h"  // first: the system headers below need it

#include "app/win32/donate_picture.h"

#include <cstring>

#include "app/png_picture.h"
#include "app/win32/resource_ids.h"

namespace sparlin::win32 {
namespace {

std::string_view EmbeddedPng() {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(SPARLIN_RES_DONATE_PNG), MAKEINTRESOURCEW(10) /*RT_RCDATA*/);
  if (!resource) return {};
  HGLOBAL loaded = LoadResource(module, resource);
  if (!loaded) return {};
  return std::string_view(static_cast<const char*>(LockResource(loaded)), SizeofResource(module, resource));
}

}  // namespace

HBITMAP LoadDonateBitmap() {
  auto picture = DecodeDonatePicture(EmbeddedPng());
  if (!picture) return nullptr;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = picture->width;
  info.bmiHeader.biHeight = -picture->height;  // rows from the top
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) return nullptr;
  // Not every button draws per-pixel alpha: the picture is blended onto
  // the button face here, in the B, G, R order of Windows bitmaps.
  COLORREF face = GetSysColor(COLOR_BTNFACE);
  const unsigned background[3] = {GetBValue(face), GetGValue(face), GetRValue(face)};
  auto* out = static_cast<BYTE*>(bits);
  const std::vector<uint8_t>& in = picture->pixels;
  for (size_t i = 0; i < in.size(); i += 4) {
    unsigned alpha = in[i + 3];
    for (int c = 0; c < 3; ++c) {
      unsigned colour = in[i + 2 - c];
      out[i + c] = static_cast<BYTE>((colour * alpha + background[c] * (255 - alpha) + 127) / 255);
    }
    out[i + 3] = 255;
  }
  return bitmap;
}

}  // namespace sparlin::win32
