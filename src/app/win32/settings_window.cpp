#include "platform/win32/windows_api.h"  // first: the system headers below need it

#include "app/win32/settings_window.h"

#include <commctrl.h>

#include <string>

#include "app/win32/app.h"
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

struct Checkbox {
  int control;
  const char16_t* caption;
  int x, y, w, h;
  const char16_t* tooltip;
};
constexpr Checkbox kCheckboxes[] = {
    {16, u" Create .pb", 8, 10, 73, 21, u" Create a single .pb file without comments and empty lines "},
    {19, u" Remove Resolved Macros", 29, 65, 165, 21, u" Remove resolved Macros from the .pb file "},
    {20, u" Remove Uncalled Procedures", 199, 65, 165, 21, u" Remove uncalled Procedures from the .pb file "},
    {22, u" Create .asm", 8, 115, 80, 21, u" Create an .asm file from the previously created .pb file "},
    {23, u" Remove Comments", 29, 144, 165, 21, u" Remove all comments from the .asm file "},
    {24, u" Remove Empty Lines", 199, 144, 165, 21, u" Remove empty lines from the .asm file "},
    {25, u" Remove Absolute Paths", 29, 170, 165, 21,
     u" Convert absolute paths to relative paths (folder + subfolder only) "},
    {26, u" Insert Empty Lines:", 199, 170, 113, 21, u" Insert n empty line(s) after each Instruction "},
    {28, u" Remove Uncalled Libs/Funcs", 29, 196, 165, 21, u" Remove uncalled Libraries and Functions "},
    {29, u" Insert 'NOP' Lines:", 199, 196, 113, 21, u" Insert n NOP(s) after each Instruction "},
    {31, u" Remove ImagePlugins (Ext.)", 29, 222, 165, 21,
     u" Remove ImagePlugins if the string .jpg, .tga, .tif, ... is not included anywhere in the code "},
    {33, u" Create Output", 8, 272, 90, 21, u" Compile the .asm file to an .exe or .dll "},
    {34, u" Copy Required DLL Files", 29, 301, 165, 21, u" Copy required .dll files next to the output file "},
    {35, u" Generate License.txt", 199, 301, 165, 21,
     u" Generate a License.txt file from all included 3rd-party Libraries "},
    {36, u" Delete Created Files On Exit", 108, 357, 165, 21,
     u" Delete created files (_Sparl.pb + .asm) when exiting the program "},
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
void CreateNumberField(HWND window, int control, int x, int y) {
  HWND edit = CreateControl(window, L"EDIT", u"1", ES_NUMBER | ES_AUTOHSCROLL | WS_TABSTOP, x, y, 38, 20, control,
                            WS_EX_CLIENTEDGE);
  SendMessageW(edit, EM_LIMITTEXT, 2, 0);
  RECT client;
  GetClientRect(edit, &client);
  int arrows = GetSystemMetrics(SM_CXVSCROLL) - 2;
  HWND updown = CreateWindowExW(0, UPDOWN_CLASSW, nullptr,
                                WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                                client.right - arrows, 0, arrows, client.bottom, edit, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  SendMessageW(updown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
  SendMessageW(updown, UDM_SETRANGE32, 1, 99);
  SendMessageW(updown, UDM_SETPOS32, 0, 1);
  SendMessageW(edit, EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, arrows));
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

// The window's own procedure: the events of its controls and its close
// request.
LRESULT CALLBACK SettingsEventProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
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
  ShowWindow(app.settings, SW_HIDE);
  OptionValues values = ReadOptionControls();
  app.settings_file.Save(values);
  app.session->ApplySuffix(values.suffix);
  EnableWindow(app.main, TRUE);
  SetForegroundWindow(app.main);
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
  for (const Frame& f : kFrames) {
    CreateControl(window, L"STATIC", f.caption, SS_ETCHEDFRAME | WS_CLIPSIBLINGS, f.x, f.y, f.w, f.h, f.control);
  }
  for (const Checkbox& c : kCheckboxes) {
    CreateControl(window, L"BUTTON", c.caption, BS_AUTOCHECKBOX | WS_TABSTOP, c.x, c.y, c.w, c.h, c.control);
  }
  // The frames go below the controls in them, and their lines behind the
  // group checkboxes that title them.
  for (const Frame& f : kFrames) {
    SetWindowPos(GetDlgItem(window, f.control), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  CreateControl(window, L"STATIC", u"Suffix:", SS_LEFT | SS_CENTERIMAGE | SS_NOTIFY, 29, 39, 32, 21,
                kControlSuffixLabel);
  CreateControl(window, L"EDIT", kDefaultSuffix, ES_AUTOHSCROLL | WS_TABSTOP, 63, 40, 107, 19, kControlSuffixField,
                WS_EX_CLIENTEDGE);
  CreateNumberField(window, 27, 314, 171);
  CreateNumberField(window, 30, 314, 197);
  CreateControl(window, L"BUTTON", u"Close", BS_PUSHBUTTON | WS_TABSTOP, 289, 353, 85, 30, kControlClose);

  LoadOptionControls(values);
  EnableWindow(Control(kControlGenLic), FALSE);

  HWND tips = CreateTooltips(window);
  for (const Checkbox& c : kCheckboxes) AddTooltip(tips, window, c.control, c.tooltip);
  AddTooltip(tips, window, kControlSuffixLabel, u" Suffix for the source .pb file ");

  SetWindowSubclass(window, SettingsWindowProc, kSubclassId, reinterpret_cast<DWORD_PTR>(&app));
  return window;
}

}  // namespace sparlin::win32
