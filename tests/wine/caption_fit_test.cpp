// Every caption of Sparlin.exe's two windows fits its control when drawn in
// the control's own font: measured with GetTextExtentPoint32W in the font the
// control answers to WM_GETFONT, so a font that is wider than the one the
// layout was made for shows up as a failure instead of a cut caption.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sparlin_driver.h"
#include "wine_paths.h"

namespace sparlin::wine_tests {
namespace {

// Room a control's frame takes from its caption: check boxes and radio
// buttons draw their box, then the caption a few pixels to its right;
// push buttons draw a raised edge on both sides; static texts draw nothing.
int RoomBesideTheCaption(HWND control) {
  wchar_t cls[32] = {};
  GetClassNameW(control, cls, 32);
  if (_wcsicmp(cls, L"Button") != 0) return 0;
  constexpr int kCheckBoxGap = 4;
  switch (GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      return GetSystemMetrics(SM_CXMENUCHECK) + kCheckBoxGap;
    default:
      return 2 * GetSystemMetrics(SM_CXEDGE);
  }
}

// The controls whose text is a caption: buttons of every kind and static
// texts (edit fields hold values, not captions).
BOOL CALLBACK CollectCaptioned(HWND hwnd, LPARAM lparam) {
  wchar_t cls[32] = {};
  GetClassNameW(hwnd, cls, 32);
  bool captioned = _wcsicmp(cls, L"Button") == 0 || _wcsicmp(cls, L"Static") == 0;
  if (captioned && !Text(hwnd).empty()) reinterpret_cast<std::vector<HWND>*>(lparam)->push_back(hwnd);
  return TRUE;
}

// The font the control answers to WM_GETFONT. Wine answers NULL to a
// WM_GETFONT from another process (even right after a WM_SETFONT from it);
// Sparlin gives every control the stock DEFAULT_GUI_FONT, which is the same
// object in every process, so that is the font then.
HGDIOBJ FontOf(HWND control) {
  auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0));
  return font ? font : GetStockObject(DEFAULT_GUI_FONT);
}

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

TEST(SparlinWindows, EveryCaptionFitsItsControlInTheControlsFont) {
  TempFolder dir;
  SparlinProcess app(dir.path(), L"", {{L"PB_TOOL_Compiler", L""}, {L"PB_TOOL_Executable", L""}});
  ASSERT_TRUE(app.started());
  std::vector<HWND> controls;
  EnumChildWindows(app.main(), CollectCaptioned, reinterpret_cast<LPARAM>(&controls));
  EnumChildWindows(app.settings(), CollectCaptioned, reinterpret_cast<LPARAM>(&controls));
  ASSERT_EQ(controls.size(), 26u);  // 7 main window buttons, 19 Settings captions

  HDC dc = GetDC(nullptr);
  for (HWND control : controls) {
    std::wstring caption = Text(control);
    HGDIOBJ previous = SelectObject(dc, FontOf(control));
    ASSERT_TRUE(previous) << "the font of \"" << Narrow(caption) << "\" cannot be selected";
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    SIZE text{};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
    SelectObject(dc, previous);
    RECT client;
    GetClientRect(control, &client);
    int room = client.right - RoomBesideTheCaption(control);
    EXPECT_LE(text.cx, room) << "control " << GetDlgCtrlID(control) << " \"" << Narrow(caption)
                             << "\" in " << Narrow(face);
  }
  ReleaseDC(nullptr, dc);
}

}  // namespace
}  // namespace sparlin::wine_tests
