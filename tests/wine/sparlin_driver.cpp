#include "sparlin_driver.h"

#include <ostream>
#include <vector>

#include "wine_paths.h"

namespace sparlin::wine_tests {

std::ostream& operator<<(std::ostream& out, const Box& box) {
  return out << "(" << box.x << ", " << box.y << ") " << box.w << " x " << box.h;
}

bool WaitFor(const std::function<bool()>& done, int ms) {
  for (int waited = 0; waited <= ms; waited += 20) {
    if (done()) return true;
    Sleep(20);
  }
  return done();
}

namespace {

std::wstring EnvironmentBlock(const std::map<std::wstring, std::wstring>& changes) {
  std::map<std::wstring, std::wstring> vars;
  wchar_t* block = GetEnvironmentStringsW();
  for (const wchar_t* p = block; *p; p += wcslen(p) + 1) {
    std::wstring entry(p);
    size_t eq = entry.find(L'=', 1);
    if (eq != std::wstring::npos) vars[entry.substr(0, eq)] = entry.substr(eq + 1);
  }
  FreeEnvironmentStringsW(block);
  for (const auto& [name, value] : changes) {
    if (value.empty()) vars.erase(name);
    else vars[name] = value;
  }
  std::wstring out;
  for (const auto& [name, value] : vars) out += name + L"=" + value + L'\0';
  return out + L'\0';
}

struct FindData {
  DWORD pid;
  std::wstring caption;
  HWND found = nullptr;
};

BOOL CALLBACK FindTopLevel(HWND hwnd, LPARAM lparam) {
  auto* data = reinterpret_cast<FindData*>(lparam);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == data->pid && Text(hwnd) == data->caption) {
    data->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

struct ChildSearch {
  int id;
  HWND found = nullptr;
};

BOOL CALLBACK FindChild(HWND hwnd, LPARAM lparam) {
  auto* search = reinterpret_cast<ChildSearch*>(lparam);
  if (GetDlgCtrlID(hwnd) == search->id) {
    search->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

SparlinProcess::SparlinProcess(const std::wstring& folder, const std::wstring& parameters,
                               const std::map<std::wstring, std::wstring>& env) {
  std::wstring exe = SparlinExe();
  std::wstring command = L"\"" + exe + L"\"" + (parameters.empty() ? L"" : L" " + parameters);
  std::wstring block = EnvironmentBlock(env);
  STARTUPINFOW si{};
  si.cb = sizeof si;
  if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                      block.data(), folder.c_str(), &si, &process_)) {
    return;
  }
  WaitForInputIdle(process_.hProcess, 10000);
  FindData main{process_.dwProcessId, kTitle};
  FindData settings{process_.dwProcessId, L"Settings"};
  WaitFor([&] {
    EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&main));
    EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&settings));
    return main.found && settings.found && IsWindowVisible(main.found);
  });
  main_ = main.found;
  settings_ = settings.found;
}

SparlinProcess::~SparlinProcess() {
  if (!process_.hProcess) return;
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 5000);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

HWND SparlinProcess::Control(HWND window, int control) {
  ChildSearch search{control};
  EnumChildWindows(window, FindChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND SparlinProcess::FindOwnWindow(const std::wstring& caption) const {
  FindData data{process_.dwProcessId, caption};
  EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&data));
  return data.found;
}

DWORD SparlinProcess::CloseAndWait() {
  PostMessageW(main_, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process_.hProcess, 15000) != WAIT_OBJECT_0) return ~0u;
  DWORD code = 0;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

std::wstring Text(HWND window) {
  // WM_GETTEXT rather than GetWindowText: it reaches controls of another
  // process too.
  LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  LRESULT got = SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(got));
  return text;
}

Box BoxOf(HWND window, HWND relative_to) {
  RECT rect;
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, relative_to, reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

Box ClientSize(HWND window) {
  RECT rect;
  GetClientRect(window, &rect);
  return {0, 0, rect.right, rect.bottom};
}

void Click(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }
void PostClick(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

void SetInnerSize(HWND window, int width, int height) {
  RECT outer, inner;
  GetWindowRect(window, &outer);
  GetClientRect(window, &inner);
  int extra_w = (outer.right - outer.left) - inner.right;
  int extra_h = (outer.bottom - outer.top) - inner.bottom;
  SetWindowPos(window, nullptr, 0, 0, width + extra_w, height + extra_h, SWP_NOMOVE | SWP_NOZORDER);
}

HWND DialogButton(HWND dialog, int id) {
  for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    wchar_t cls[16] = {};
    GetClassNameW(c, cls, 16);
    if (GetDlgCtrlID(c) == id && _wcsicmp(cls, L"Button") == 0) return c;
  }
  return nullptr;
}

HWND OpenSaveLogDialog(const SparlinProcess& app) {
  PostClick(app.MainControl(9));
  HWND dialog = nullptr;
  WaitFor([&] { return (dialog = app.FindOwnWindow(L"Save Log File...")) != nullptr; });
  return dialog;
}

HWND FileNameField(HWND dialog) {
  HWND field = nullptr;
  WaitFor([&] {
    field = SparlinProcess::Control(dialog, 0x47C);  // the file name box
    if (field) {
      if (HWND edit = FindWindowExW(field, nullptr, L"Edit", nullptr)) field = edit;
    }
    if (!field) field = SparlinProcess::Control(dialog, 0x480);
    return field != nullptr;
  });
  return field;
}

void ChooseFile(HWND dialog, const std::wstring& path) {
  SendMessageW(FileNameField(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  PostClick(DialogButton(dialog, IDOK));
}

bool DeclineToOpenTheLog(const SparlinProcess& app) {
  HWND question = nullptr;
  if (!WaitFor([&] { return (question = app.FindOwnWindow(L"Open Log File...")) != nullptr; })) return false;
  PostClick(DialogButton(question, IDNO));
  return WaitFor([&] { return app.FindOwnWindow(L"Open Log File...") == nullptr; });
}

}  // namespace sparlin::wine_tests
