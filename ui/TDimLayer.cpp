#include "ui/TDimLayer.h"

#include <algorithm>

namespace {

const wchar_t* const ClassName = L"TavelinDimLayer";
// About two thirds dark: the desktop still shows through, but nothing on it can be read with ease.
constexpr BYTE Opacity = 170;

COLORREF LayerColor() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof(contrast);
    const bool high = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) != FALSE &&
                      (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
    return high ? GetSysColor(COLOR_WINDOW) : RGB(0, 0, 0);
}

std::vector<RECT> MonitorRects() {
    std::vector<RECT> rects;
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR, HDC, LPRECT rect, LPARAM list) {
            reinterpret_cast<std::vector<RECT>*>(list)->push_back(*rect);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&rects));
    return rects;
}

bool SameRects(const std::vector<RECT>& first, const std::vector<RECT>& second) {
    return first.size() == second.size() &&
           std::equal(first.begin(), first.end(), second.begin(), [](const RECT& a, const RECT& b) {
               return EqualRect(&a, &b) != FALSE;
           });
}

}  // namespace

TDimLayer::TDimLayer(HWND pauseWindow, const TCallback& onClickCallback)
    : above(pauseWindow), onClick(onClickCallback), brush(CreateSolidBrush(LayerColor())) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = brush.Get();
    windowClass.lpszClassName = ClassName;
    RegisterClassExW(&windowClass);
    Follow();
}

TDimLayer::~TDimLayer() {
    windows.clear();
    UnregisterClassW(ClassName, GetModuleHandleW(nullptr));
}

void TDimLayer::Follow() {
    const std::vector<RECT> monitors = MonitorRects();
    if (!SameRects(monitors, covered)) {
        Cover(monitors);
    }
    // The layer to the top of the topmost windows, then the pause over it: a window placed after a
    // topmost one is not always made topmost itself.
    const UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    for (const auto& window : windows) {
        SetWindowPos(window.Get(), HWND_TOPMOST, 0, 0, 0, 0, flags);
    }
    SetWindowPos(above, HWND_TOPMOST, 0, 0, 0, 0, flags);
}

void TDimLayer::Cover(const std::vector<RECT>& monitors) {
    // Wine's window manager may give a new window the foreground even so; the pause keeps it.
    const bool pauseInFront = GetForegroundWindow() == above;
    windows.clear();
    covered = monitors;
    for (const RECT& rect : monitors) {
        const HWND window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE,
                                            ClassName, L"", WS_POPUP, rect.left, rect.top, rect.right - rect.left,
                                            rect.bottom - rect.top, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        if (window == nullptr) {
            continue;
        }
        windows.emplace_back(window);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        SetLayeredWindowAttributes(window, 0, Opacity, LWA_ALPHA);
        ShowWindow(window, SW_SHOWNOACTIVATE);
    }
    if (pauseInFront && GetForegroundWindow() != above) {
        SetForegroundWindow(above);
    }
}

std::vector<HWND> TDimLayer::GetWindows() const {
    std::vector<HWND> handles;
    for (const auto& window : windows) {
        handles.push_back(window.Get());
    }
    return handles;
}

LRESULT CALLBACK TDimLayer::WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* const layer = reinterpret_cast<TDimLayer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (message) {
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        if (layer != nullptr && layer->onClick) {
            layer->onClick();
        }
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}
