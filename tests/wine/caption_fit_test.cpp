// Sparlin.exe's two windows on displays of 96, 144 and 192 DPI: every
// caption fits its control when drawn in the dialog font at that DPI (the
// stock GUI font of 96 DPI, its height scaled), no control covers another,
// the number fields leave room for two digits beside their arrows, and the
// log's tab stops keep the paths apart from their labels.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sparlin_driver.h"
#include "wine_paths.h"

namespace sparlin::wine_tests {
namespace {

int Scaled(int value, int dpi) { return MulDiv(value, dpi, 96); }

std::wstring ClassOf(HWND control) {
  wchar_t name[32] = {};
  GetClassNameW(control, name, 32);
  return name;
}

bool IsClass(HWND control, const wchar_t* name) { return _wcsicmp(ClassOf(control).c_str(), name) == 0; }

// Room a control's frame takes from its caption at `dpi`: check boxes draw
// their box, then the caption a few pixels to its right; push buttons draw a
// raised edge on both sides; static texts draw nothing.
int RoomBesideTheCaption(HWND control, int dpi) {
  if (!IsClass(control, L"Button")) return 0;
  switch (GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
      return Scaled(GetSystemMetrics(SM_CXMENUCHECK) + 4, dpi);
    default:
      return Scaled(2 * GetSystemMetrics(SM_CXEDGE), dpi);
  }
}

bool IsFrame(HWND control) {
  return IsClass(control, L"Static") && (GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK) == SS_ETCHEDFRAME;
}

std::vector<HWND> ChildrenOf(HWND window) {
  std::vector<HWND> children;
  for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) children.push_back(c);
  return children;
}

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

// Sets the DPI that Wine gives the programs started from now on; the old
// value comes back at the end.
class DisplayDpi {
 public:
  explicit DisplayDpi(DWORD dpi) {
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                    &key_, nullptr);
    DWORD size = sizeof old_;
    had_ = RegQueryValueExW(key_, L"LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&old_), &size) ==
           ERROR_SUCCESS;
    RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
  }
  ~DisplayDpi() {
    if (had_) RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&old_), sizeof old_);
    else RegDeleteValueW(key_, L"LogPixels");
    RegCloseKey(key_);
  }

 private:
  HKEY key_ = nullptr;
  DWORD old_ = 96;
  bool had_ = false;
};

class ScaledFont {
 public:
  ScaledFont(HDC dc, int dpi) : dc_(dc) {
    LOGFONTW face{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof face, &face);
    face.lfHeight = Scaled(face.lfHeight, dpi);
    face.lfWidth = 0;
    font_ = CreateFontIndirectW(&face);
    previous_ = SelectObject(dc_, font_);
  }
  ~ScaledFont() {
    SelectObject(dc_, previous_);
    DeleteObject(font_);
  }
  int Width(const std::wstring& text) const {
    SIZE size{};
    GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
  }
  int Height() const {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc_, &metrics);
    return metrics.tmHeight;
  }

 private:
  HDC dc_;
  HFONT font_;
  HGDIOBJ previous_;
};

// Captions against their controls, overlaps among a window's controls.
void ExpectFits(HWND window, const ScaledFont& font, int dpi, size_t captions_expected) {
  size_t captions = 0;
  std::vector<HWND> children = ChildrenOf(window);
  for (HWND control : children) {
    if (!(IsClass(control, L"Button") || IsClass(control, L"Static"))) continue;
    std::wstring caption = Text(control);
    if (caption.empty()) continue;
    ++captions;
    RECT client;
    GetClientRect(control, &client);
    EXPECT_LE(font.Width(caption), client.right - RoomBesideTheCaption(control, dpi))
        << "control " << GetDlgCtrlID(control) << " \"" << Narrow(caption) << "\"";
  }
  EXPECT_EQ(captions, captions_expected);
  for (size_t i = 0; i < children.size(); ++i) {
    for (size_t j = i + 1; j < children.size(); ++j) {
      // A frame holds its controls, and its title checkbox on its edge.
      if (IsFrame(children[i]) || IsFrame(children[j]) || !IsWindowVisible(children[i]) ||
          !IsWindowVisible(children[j])) {
        continue;
      }
      RECT a, b, both;
      GetWindowRect(children[i], &a);
      GetWindowRect(children[j], &b);
      EXPECT_FALSE(IntersectRect(&both, &a, &b))
          << "controls " << GetDlgCtrlID(children[i]) << " and " << GetDlgCtrlID(children[j]) << " overlap";
    }
  }
}

TEST(SparlinWindows, CaptionsFitAndControlsKeepApartAt96144And192Dpi) {
  HDC dc = GetDC(nullptr);
  ASSERT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 96) << "the test measures from 96 DPI";
  for (int dpi : {96, 144, 192}) {
    SCOPED_TRACE(::testing::Message() << dpi << " DPI");
    TempFolder dir;
    DisplayDpi display(dpi);
    SparlinProcess app(dir.path(), L"", {{L"PB_TOOL_Compiler", L""}, {L"PB_TOOL_Executable", L""}});
    ASSERT_TRUE(app.started());
    EXPECT_EQ(ClientSize(app.main()), (Box{0, 0, Scaled(695, dpi), Scaled(445, dpi)}));
    EXPECT_EQ(ClientSize(app.settings()), (Box{0, 0, Scaled(385, dpi), Scaled(391, dpi)}));
    ScaledFont font(dc, dpi);
    ExpectFits(app.main(), font, dpi, 7);       // the bottom row less the image button
    ExpectFits(app.settings(), font, dpi, 19);  // 15 checkboxes, "Suffix:", "Close", two frames " "

    // Two digits beside a number field's arrows; the Suffix field as high
    // as its text.
    for (int field : {27, 30}) {
      HWND edit = app.SettingsControl(field);
      RECT inner, arrows;
      GetClientRect(edit, &inner);
      GetWindowRect(GetWindow(edit, GW_CHILD), &arrows);
      EXPECT_GE(inner.right - (arrows.right - arrows.left), font.Width(L"99") + Scaled(2, dpi)) << "field " << field;
    }
    RECT suffix;
    GetClientRect(app.SettingsControl(18), &suffix);
    EXPECT_GE(suffix.bottom, font.Height());

    // The paths of the banner start at one tab stop, clear of the labels.
    std::wstring log = Text(app.LogView());
    size_t compiler = log.find(L"Compiler:");
    size_t source = log.find(L"Source file:");
    ASSERT_NE(source, std::wstring::npos);
    auto x_of = [&](size_t at) {
      // The view counts a line break as one character where its text has
      // "\r\n"; it answers the position of a character given in wParam.
      size_t breaks = 0;
      for (size_t i = log.find(L"\r\n"); i < at; i = log.find(L"\r\n", i + 2)) ++breaks;
      return static_cast<short>(LOWORD(SendMessageW(app.LogView(), EM_POSFROMCHAR, at - breaks, 0)));
    };
    size_t after_label = source + wcslen(L"Source file:");
    int label_end = x_of(after_label);
    int path = x_of(log.find(L'"', source));
    EXPECT_GE(path - label_end, Scaled(8, dpi));
    EXPECT_EQ(path, x_of(log.find(L'"', compiler)));

    SetInnerSize(app.main(), 300, 100);  // the smallest size keeps the bottom row whole
    EXPECT_EQ(ClientSize(app.main()), (Box{0, 0, Scaled(695, dpi), Scaled(150, dpi)}));
    EXPECT_EQ(BoxOf(app.MainControl(8), app.main()).x, Scaled(5, dpi));
    EXPECT_EQ(app.CloseAndWait(), 0u);
  }
  ReleaseDC(nullptr, dc);
}

}  // namespace
}  // namespace sparlin::wine_tests
