#include "platform/win32/windows_api.h"  // first: the system headers below need it

#include "app/win32/settings_window.h"

#include <commctrl.h>

#include <string>

#include "app/win32/app.h"
#include "app/win32/dpi.h"
#include "app/win32/keyboard.h"
#include "app/win32/window_common.h"
#include "core/build_paths.h"
#include "text/text_ops.h"

namespace sparlin::win32 {
namespace {

constexpr wchar_t kSettingsClass[] = L"SparlinSettingsWindow";
constexpr int kInnerWidth = 385;
constexpr int kInnerHeight = 391;
constexpr int kControlSuffixField = InfoOf(Option::Suffix).control;
constexpr UINT_PTR kSubclassId = 1;

struct Frame {
  int control;
  const char16_t* caption;
  int x, y, w, h;
};
constexpr Frame kFrames[] = {
    {15, u"", 13, 14, 360, 90},
    {21, u" ", 13, 119, 360, 142},
    {32, u" ", 13, 276, 360, 64},
};

// The controls other than the frames, in the order of reading (top to
// bottom, left to right), which is also the order of the Tab key.
enum class Kind { kCheckbox, kLabel, kTextField, kNumberField, kButton };
struct Item {
  Kind kind;
  int control;
  const char16_t* caption;
  int x, y, w, h;
  const char16_t* tooltip;
};
constexpr Item kItems[] = {
    {Kind::kCheckbox, 16, u" Create .pb", 8, 10, 73, 21, u" Create a single .pb file without comments and empty lines "},
    {Kind::kLabel, kControlSuffixLabel, u"Suffix:", 29, 39, 32, 21, u" Suffix for the source .pb file "},
    {Kind::kTextField, kControlSuffixField, kDefaultSuffix, 63, 40, 107, 19, nullptr},
    {Kind::kCheckbox, 19, u" Remove Resolved Macros", 29, 65, 165, 21, u" Remove resolved Macros from the .pb file "},
    {Kind::kCheckbox, 20, u" Remove Uncalled Procedures", 199, 65, 165, 21,
     u" Remove uncalled Procedures from the .pb file "},
    {Kind::kCheckbox, 22, u" Create .asm", 8, 115, 80, 21,
     u" Create an .asm file from the previously created .pb file "},
    {Kind::kCheckbox, 23, u" Remove Comments", 29, 144, 165, 21, u" Remove all comments from the .asm file "},
    {Kind::kCheckbox, 24, u" Remove Empty Lines", 199, 144, 165, 21, u" Remove empty lines from the .asm file "},
    {Kind::kCheckbox, 25, u" Remove Absolute Paths", 29, 170, 165, 21,
     u" Convert absolute paths to relative paths (folder + subfolder only) "},
    {Kind::kCheckbox, 26, u" Insert Empty Lines:", 199, 170, 113, 21, u" Insert n empty line(s) after each Instruction "},
    {Kind::kNumberField, 27, u"1", 314, 171, 38, 20, nullptr},
    {Kind::kCheckbox, 28, u" Remove Uncalled Libs/Funcs", 29, 196, 165, 21, u" Remove uncalled Libraries and Functions "},
    {Kind::kCheckbox, 29, u" Insert 'NOP' Lines:", 199, 196, 113, 21, u" Insert n NOP(s) after each Instruction "},
    {Kind::kNumberField, 30, u"1", 314, 197, 38, 20, nullptr},
    {Kind::kCheckbox, 31, u" Remove ImagePlugins (Ext.)", 29, 222, 165, 21,
     u" Remove ImagePlugins if the string .jpg, .tga, .tif, ... is not included anywhere in the code "},
    {Kind::kCheckbox, 33, u" Create Output", 8, 272, 90, 21, u" Compile the .asm file to an .exe or .dll "},
    {Kind::kCheckbox, 34, u" Copy Required DLL Files", 29, 301, 165, 21,
     u" Copy required .dll files next to the output file "},
    {Kind::kCheckbox, 35, u" Generate License.txt", 199, 301, 165, 21,
     u" Generate a License.txt file from all included 3rd-party Libraries "},
    {Kind::kCheckbox, 36, u" Delete Created Files On Exit", 108, 357, 165, 21,
     u" Delete created files (_Sparl.pb + .asm) when exiting the program "},
    {Kind::kButton, kControlClose, u"Close", 289, 353, 85, 30, nullptr},
};

HWND Control(int control) { return GetDlgItem(TheApp().settings, control); }

bool IsGroup(int control) {
  return control == kGroupCreatePB || control == kGroupCreateASM || control == kGroupCreateOUT;
}

Option GroupOption(int group) {
  return group == kGroupCreatePB ? Option::CreatePB : group == kGroupCreateASM ? Option::CreateASM : Option::CreateOUT;
}

// A number field: an edit of digits with up/down arrows inside its right
// edge, so that the field keeps its own size.
void CreateNumberField(HWND window, const Item& item) {
  HWND edit = CreateControl(window, L"EDIT", item.caption, ES_NUMBER | ES_AUTOHSCROLL | WS_TABSTOP, item.x, item.y,
                            item.w, item.h, item.control, WS_EX_CLIENTEDGE);
  SendMessageW(edit, EM_LIMITTEXT, 2, 0);
  HWND updown = CreateWindowExW(0, UPDOWN_CLASSW, nullptr,
                                WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0, 0, 0, 0,
                                edit, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(updown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
  SendMessageW(updown, UDM_SETRANGE32, 1, 99);
  SendMessageW(updown, UDM_SETPOS32, 0, 1);
}

// The arrows of a number field: as wide as a scroll bar less 2 pixels at 96
// DPI, both scaled, along the inner right edge; the text keeps clear of them.
void PlaceNumberFieldArrows(HWND edit, UINT dpi) {
  HWND updown = GetWindow(edit, GW_CHILD);
  RECT client;
  GetClientRect(edit, &client);
  int arrows = SystemMetricAt(SM_CXVSCROLL, dpi) - Scale(2, dpi);
  SetWindowPos(updown, nullptr, client.right - arrows, 0, arrows, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(edit, EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, arrows));
}

// Every control at its place and in its font for `dpi`.
void PlaceSettingsControls(HWND window, UINT dpi) {
  for (const Frame& f : kFrames) PlaceScaled(GetDlgItem(window, f.control), f.x, f.y, f.w, f.h, dpi);
  for (const Item& item : kItems) PlaceScaled(GetDlgItem(window, item.control), item.x, item.y, item.w, item.h, dpi);
  SetDialogFontOfChildren(window, dpi);
  for (const Item& item : kItems) {
    if (item.kind == Kind::kNumberField) PlaceNumberFieldArrows(GetDlgItem(window, item.control), dpi);
  }
}

void SetNumberField(int control, int value) {
  SetWindowTextW(Control(control), std::to_wstring(value).c_str());
}

void LoadOptionControls(const OptionValues& values) {
  for (const OptionInfo& info : AllOptions()) {
    switch (info.kind) {
      case OptionKind::kCheckbox:
        SendMessageW(Control(info.control), BM_SETCHECK, values.Get(info.option) ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
      case OptionKind::kNumber: SetNumberField(info.control, values.Get(info.option)); break;
      case OptionKind::kText: SetWindowTextW(Control(info.control), Wide(values.suffix).c_str()); break;
    }
    // Each group follows its checkbox as soon as that is loaded.
    if (IsGroup(info.control)) {
      SetOptionGroupDisabled(info.control, values.Get(info.option) ^ 1);
    }
  }
}

// The Suffix becomes part of a file name: characters that no file name may
// hold are taken out as they are typed or pasted.
void DropCharactersNotAllowedInFileNames(HWND field) {
  int length = GetWindowTextLengthW(field);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(field, text.data(), length + 1)));
  std::wstring kept;
  for (wchar_t c : text) {
    char16_t unit = static_cast<char16_t>(c);
    if (!HasCharacterNotAllowedInFileName(UStringView(&unit, 1))) kept.push_back(c);
  }
  if (kept == text) return;
  SetWindowTextW(field, kept.c_str());
  SendMessageW(field, EM_SETSEL, kept.size(), kept.size());
}

// The subclass's reference data is the application.
LRESULT CALLBACK SettingsWindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                    DWORD_PTR app) {
  LRESULT result = 0;
  HBRUSH brush = reinterpret_cast<const App*>(app)->settings_brush;
  if (HandleSharedWindowMessage(hwnd, message, wparam, lparam, brush, kControlClose,
                                SettingsWindowProc, kSubclassId, result)) {
    return result;
  }
  return DefSubclassProc(hwnd, message, wparam, lparam);
}

// The dialog manager's Esc: a command IDCANCEL without a control (no control
// of this window has that number).
bool IsEscape(WPARAM wparam, LPARAM lparam) { return LOWORD(wparam) == IDCANCEL && lparam == 0; }

// The window's own procedure: the events of its controls and its close
// request.
LRESULT CALLBACK SettingsEventProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (IsEscape(wparam, lparam)) {
        CloseSettingsWindow();
        return 0;
      }
      if (HIWORD(wparam) == EN_CHANGE && LOWORD(wparam) == kControlSuffixField) {
        DropCharactersNotAllowedInFileNames(reinterpret_cast<HWND>(lparam));
        return 0;
      }
      if (HIWORD(wparam) == BN_CLICKED) {
        int control = LOWORD(wparam);
        if (IsGroup(control)) {
          SetOptionGroupDisabled(control, ReadOptionControl(GroupOption(control)) ^ 1);
          return 0;
        }
        if (control == kControlClose) {
          CloseSettingsWindow();
          return 0;
        }
      }
      break;
    case DM_GETDEFID: return MAKELRESULT(DefaultButtonFor(hwnd, kControlClose), DC_HASDEFID);
    case WM_ACTIVATE: KeepFocusAcrossActivation(hwnd, wparam); return 0;
    case WM_DPICHANGED:
      PlaceSettingsControls(hwnd, HIWORD(wparam));
      SetProgramIcon(hwnd, HIWORD(wparam));
      MoveToSuggestedRect(hwnd, lparam);
      return 0;
    case WM_CLOSE: CloseSettingsWindow(); return 0;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

HBRUSH CreateSettingsBrush() {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = 8;
  info.bmiHeader.biHeight = 8;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) return CreateSolidBrush(RGB(175, 175, 175));
  // Rows of 8 pixels * 3 bytes = 24 bytes, already a multiple of four.
  auto* bytes = static_cast<BYTE*>(bits);
  for (int i = 0; i < 8 * 24; ++i) bytes[i] = 175;
  HBRUSH brush = CreatePatternBrush(bitmap);
  DeleteObject(bitmap);  // the brush keeps its own copy
  return brush;
}

}  // namespace

void SetOptionGroupDisabled(int group, int disabled) {
  for (int control : GroupMembers(group)) EnableWindow(Control(control), disabled ? FALSE : TRUE);
}

int ReadOptionControl(Option option) {
  const OptionInfo& info = InfoOf(option);
  HWND control = Control(info.control);
  switch (info.kind) {
    case OptionKind::kCheckbox: return SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    case OptionKind::kNumber: {
      wchar_t text[16] = {};
      GetWindowTextW(control, text, 16);
      return ClampOptionValue(option, _wtoi(text));
    }
    case OptionKind::kText: return 0;
  }
  return 0;
}

OptionValues ReadOptionControls() {
  OptionValues values;
  for (const OptionInfo& info : AllOptions()) {
    if (info.kind != OptionKind::kText) values.Set(info.option, ReadOptionControl(info.option));
  }
  HWND suffix = Control(kControlSuffixField);
  int length = GetWindowTextLengthW(suffix);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(suffix, text.data(), length + 1)));
  values.suffix = FromWide(text);
  return values;
}

void CloseSettingsWindow() {
  App& app = TheApp();
  // The main window is enabled before the Settings window goes, so that the
  // system hands the activation (and the focus) back to it rather than to
  // another program's window.
  EnableWindow(app.main, TRUE);
  ShowWindow(app.settings, SW_HIDE);
  OptionValues values = ReadOptionControls();
  app.settings_file.Save(values);
  app.session->ApplySuffix(values.suffix);
  SetForegroundWindow(app.main);
}

void OpenSettingsWindow() {
  App& app = TheApp();
  EnableWindow(app.main, FALSE);
  SetFocusOnActivation(app.settings, nullptr);  // opens on the first control
  ShowWindow(app.settings, SW_SHOW);
}

HWND CreateSettingsWindow(HWND main, const OptionValues& values) {
  App& app = TheApp();
  app.settings_brush = CreateSettingsBrush();
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = SettingsEventProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = app.settings_brush;
  wc.lpszClassName = kSettingsClass;
  RegisterClassExW(&wc);

  HWND window = CreateCenteredWindow(kSettingsClass, u"Settings", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                                     kInnerWidth, kInnerHeight, main);
  app.settings = window;
  SetProgramIcon(window, WindowDpi(window));
  for (const Frame& f : kFrames) {
    CreateControl(window, L"STATIC", f.caption, SS_ETCHEDFRAME | WS_CLIPSIBLINGS, f.x, f.y, f.w, f.h, f.control);
  }
  for (const Item& item : kItems) {
    switch (item.kind) {
      case Kind::kCheckbox:
        CreateControl(window, L"BUTTON", item.caption, BS_AUTOCHECKBOX | WS_TABSTOP, item.x, item.y, item.w, item.h,
                      item.control);
        break;
      case Kind::kLabel:
        CreateControl(window, L"STATIC", item.caption, SS_LEFT | SS_CENTERIMAGE | SS_NOTIFY, item.x, item.y, item.w,
                      item.h, item.control);
        break;
      case Kind::kTextField:
        CreateControl(window, L"EDIT", item.caption, ES_AUTOHSCROLL | WS_TABSTOP, item.x, item.y, item.w, item.h,
                      item.control, WS_EX_CLIENTEDGE);
        break;
      case Kind::kNumberField: CreateNumberField(window, item); break;
      case Kind::kButton:
        CreateControl(window, L"BUTTON", item.caption, BS_PUSHBUTTON | WS_TABSTOP, item.x, item.y, item.w, item.h,
                      item.control);
        break;
    }
  }
  // The frames go below the controls in them, and their lines behind the
  // group checkboxes that title them.
  for (const Frame& f : kFrames) {
    SetWindowPos(GetDlgItem(window, f.control), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  PlaceSettingsControls(window, WindowDpi(window));

  LoadOptionControls(values);
  EnableWindow(Control(kControlGenLic), FALSE);

  HWND tips = CreateTooltips(window);
  for (const Item& item : kItems) {
    if (item.tooltip) AddTooltip(tips, window, item.control, item.tooltip);
  }

  SetWindowSubclass(window, SettingsWindowProc, kSubclassId, reinterpret_cast<DWORD_PTR>(&app));
  return window;
}

}  // namespace sparlin::win32
