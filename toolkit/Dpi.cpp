#include "toolkit/Dpi.h"

#include "core/SystemLibrary.h"
#include "core/Win32Handles.h"
#include "toolkit/GdiHolders.h"

namespace {

// MONITOR_DPI_TYPE's effective DPI, the one the system scales windows with.
constexpr int EffectiveDpi = 0;

using TGetDpiForWindow = UINT(WINAPI*)(HWND);
using TGetDpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

// Resolved at run time: a static import would keep the program from starting on Windows 7.
template <typename TFunction>
TFunction Lookup(HMODULE module, const char* name) {
    if (module == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<TFunction>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

std::int32_t MonitorDpi(HWND window) {
    const TLibrary shcore(LoadSystemLibrary(L"shcore.dll"));
    const auto getDpiForMonitor = Lookup<TGetDpiForMonitor>(shcore.Get(), "GetDpiForMonitor");
    if (getDpiForMonitor == nullptr) {
        return 0;
    }
    UINT x = 0;
    UINT y = 0;
    if (FAILED(getDpiForMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), EffectiveDpi, &x, &y))) {
        return 0;
    }
    return static_cast<std::int32_t>(y);
}

}  // namespace

std::int32_t ScaleToDpi(std::int32_t lengthAt96, std::int32_t dpi) {
    return MulDiv(lengthAt96, dpi, DefaultDpi);
}

std::int32_t WindowDpi(HWND window) {
    const auto getDpiForWindow = Lookup<TGetDpiForWindow>(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
    if (getDpiForWindow != nullptr && window != nullptr) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi != 0) {
            return static_cast<std::int32_t>(dpi);
        }
    }
    const std::int32_t monitorDpi = MonitorDpi(window);
    return monitorDpi != 0 ? monitorDpi : SystemDpi();
}

std::int32_t SystemDpi() {
    const TWindowDC screen(nullptr);
    const int dpi = GetDeviceCaps(screen.GetHandle(), LOGPIXELSY);
    return dpi > 0 ? dpi : DefaultDpi;
}
