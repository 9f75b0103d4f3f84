#include "platform/win32/windows_api.h"  // first: the system headers below need it

#include "app/win32/dpi.h"

#include <map>
#include <mutex>

namespace sparlin::win32 {
namespace {

template <typename Function>
Function UserFunction(const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

// Windows 10 1607 and later.
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetDpiForSystemFn = UINT(WINAPI*)();
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using SetProcessDpiAwarenessContextFn = BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT);

}  // namespace

void DeclarePerMonitorDpiAwareness() {
  // The manifest asks for per-monitor awareness (version 2, else 1); this
  // covers a system that did not apply it. A process whose awareness is
  // already set keeps it (the call then fails, harmlessly).
  if (auto set = UserFunction<SetProcessDpiAwarenessContextFn>("SetProcessDpiAwarenessContext")) {
    if (!set(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2)) set(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
  }
}

UINT SystemDpi() {
  static const UINT dpi = [] {
    if (auto get = UserFunction<GetDpiForSystemFn>("GetDpiForSystem")) return get();
    HDC screen = GetDC(nullptr);
    UINT value = static_cast<UINT>(GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    return value;
  }();
  return dpi;
}

UINT WindowDpi(HWND window) {
  static const auto get = UserFunction<GetDpiForWindowFn>("GetDpiForWindow");
  UINT dpi = get && window ? get(window) : 0;
  return dpi ? dpi : SystemDpi();
}

int SystemMetricAt(int index, UINT dpi) {
  static const auto get = UserFunction<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
  if (get) return get(index, dpi);
  return MulDiv(GetSystemMetrics(index), static_cast<int>(dpi), static_cast<int>(SystemDpi()));
}

SIZE OuterSizeFor(int width, int height, DWORD style, UINT dpi) {
  static const auto adjust = UserFunction<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
  RECT frame{0, 0, width, height};
  if (!adjust || !adjust(&frame, style, FALSE, 0, dpi)) AdjustWindowRectEx(&frame, style, FALSE, 0);
  return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

HFONT DialogFontAt(UINT dpi) {
  auto* stock = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  if (dpi == SystemDpi()) return stock;
  static std::mutex mutex;
  static std::map<UINT, HFONT> fonts;
  std::lock_guard<std::mutex> lock(mutex);
  HFONT& font = fonts[dpi];
  if (!font) {
    LOGFONTW face{};
    GetObjectW(stock, sizeof face, &face);
    face.lfHeight = MulDiv(face.lfHeight, static_cast<int>(dpi), static_cast<int>(SystemDpi()));
    face.lfWidth = 0;
    font = CreateFontIndirectW(&face);
    if (!font) font = stock;
  }
  return font;
}

}  // namespace sparlin::win32
