// The least program with Tavelin's outward contract, the floor its costs are measured against: a
// hidden window, a tray icon, a one-second timer, Common Controls 6 (through the shared manifest)
// with one date-time picker, and a message loop. A right click on its icon ends it, so it leaves
// no stale icon behind. Deliberately flat Win32: any structure would add to what it measures.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

namespace {

constexpr UINT TrayMessage = WM_APP + 1;

LRESULT CALLBACK FloorProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == TrayMessage && LOWORD(lParam) == WM_RBUTTONUP) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_DATE_CLASSES};
    InitCommonControlsEx(&controls);

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = FloorProcedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"TavelinFloor";
    RegisterClassW(&windowClass);
    const HWND window = CreateWindowExW(0, L"TavelinFloor", L"Floor", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                        CW_USEDEFAULT, 200, 100, nullptr, nullptr, instance, nullptr);
    CreateWindowExW(0, DATETIMEPICK_CLASSW, L"", WS_CHILD | WS_VISIBLE | DTS_TIMEFORMAT, 5, 5, 100, 24, window,
                    nullptr, instance, nullptr);

    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = window;
    icon.uID = 1;
    icon.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    icon.uCallbackMessage = TrayMessage;
    icon.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    lstrcpynW(icon.szTip, L"Floor", ARRAYSIZE(icon.szTip));
    Shell_NotifyIconW(NIM_ADD, &icon);

    SetTimer(window, 1, 1000, nullptr);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    Shell_NotifyIconW(NIM_DELETE, &icon);
    DestroyWindow(window);
    return 0;
}
