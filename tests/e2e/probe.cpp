// Inspects a running Tavelin through Win32 alone, as any other program on the same desktop could,
// and prints what it finds as one JSON object. The end-to-end harness runs it beside Tavelin.exe.
//
//   tavelin_probe window <caption>   the top-level window, its children, focus and work area, its
//                                    DPI, and each child's text measured in the dialog font at it
//   tavelin_probe close <caption>    what the close box does: WM_SYSCOMMAND SC_CLOSE
//   tavelin_probe object <caption>   whether the window answers a screen reader's WM_GETOBJECT
//   tavelin_probe menu               whether a popup menu is open, and where
//   tavelin_probe windows            every visible top-level window, from the top of the window
//                                    order down
//   tavelin_probe power suspend|resume   what the system sends every top-level window before it
//                                    sleeps and after it wakes
//   tavelin_probe clock              the steady tick count and the local wall-clock time
//   tavelin_probe input              a mouse move of no distance, as input from a present user
//   tavelin_probe idle               the milliseconds since the session's last input
//   tavelin_probe tips               every visible tooltip window, with the text of its current tool
//   tavelin_probe watch <caption> <s>  for s seconds, every change of the visible tooltip texts and of
//                                    whether the window shows, each with the milliseconds since start
//   tavelin_probe extent <dpi> <text>  the text measured in the dialog font at that DPI
//   tavelin_probe serve              the same commands from standard input, one answer a line

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string Utf8(const std::wstring& text)
{
    if (text.empty())
        return {};
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string result(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), length, nullptr,
                        nullptr);
    return result;
}

std::string Quoted(const std::wstring& text)
{
    std::string result = "\"";
    for (const char c : Utf8(text)) {
        if (c == '"' || c == '\\') {
            result += '\\';
            result += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            result += escaped;
        } else {
            result += c;
        }
    }
    return result + "\"";
}

std::string Bool(bool value)
{
    return value ? "true" : "false";
}

std::string Rect(const RECT& rect)
{
    char text[64];
    std::snprintf(text, sizeof text, "[%ld,%ld,%ld,%ld]", rect.left, rect.top, rect.right, rect.bottom);
    return text;
}

std::wstring WindowText(HWND window)
{
    wchar_t buffer[512] = {};
    GetWindowTextW(window, buffer, 512);
    return buffer;
}

std::wstring ClassName(HWND window)
{
    wchar_t buffer[256] = {};
    GetClassNameW(window, buffer, 256);
    return buffer;
}

RECT ClientOnScreen(HWND window)
{
    RECT client = {};
    GetClientRect(window, &client);
    POINT corners[2] = {{client.left, client.top}, {client.right, client.bottom}};
    MapWindowPoints(window, nullptr, corners, 2);
    return {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

// A date-time picker only answers DTM_GETSYSTEMTIME with a pointer into its own process, so the
// record is placed there and read back.
std::string PickerTime(HWND picker)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(picker, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (process == nullptr)
        return "null";
    std::string result = "null";
    void* remote = VirtualAllocEx(process, nullptr, sizeof(SYSTEMTIME), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (remote != nullptr) {
        SYSTEMTIME time = {};
        SIZE_T read = 0;
        SendMessageW(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(remote));
        if (ReadProcessMemory(process, remote, &time, sizeof time, &read) && read == sizeof time) {
            char text[16];
            std::snprintf(text, sizeof text, "\"%02u:%02u:%02u\"", time.wHour, time.wMinute, time.wSecond);
            result = text;
        }
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return result;
}

// Direct children only: the picker's own up-down control is no part of the window's layout.
std::vector<HWND> Children(HWND parent)
{
    std::vector<HWND> children;
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM list) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    std::erase_if(children, [parent](HWND child) { return GetParent(child) != parent; });
    return children;
}

// The DPI the window is drawn at: looked up at run time, as Windows 7 has no GetDpiForWindow.
int WindowDpi(HWND window)
{
    using TGetDpiForWindow = UINT(WINAPI*)(HWND);
    const auto getDpiForWindow = reinterpret_cast<TGetDpiForWindow>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow != nullptr)
        return static_cast<int>(getDpiForWindow(window));
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// What a text needs in the system's dialog font made for the DPI: a control that is smaller cuts
// its text off.
SIZE TextExtent(const std::wstring& text, int dpi)
{
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    const HDC screen = GetDC(nullptr);
    metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, dpi, GetDeviceCaps(screen, LOGPIXELSY));
    const HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
    const HGDIOBJ previous = SelectObject(screen, font);
    SIZE extent = {};
    GetTextExtentPoint32W(screen, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(screen, previous);
    DeleteObject(font);
    ReleaseDC(nullptr, screen);
    return extent;
}

RECT WorkArea(HWND window)
{
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &info);
    return info.rcWork;
}

std::string WindowJson(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    DWORD processId = 0;
    const DWORD threadId = GetWindowThreadProcessId(window, &processId);
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(threadId, &thread);

    std::string json = "{\"found\":true,\"caption\":" + Quoted(WindowText(window)) +
                       ",\"class\":" + Quoted(ClassName(window)) + ",\"pid\":" + std::to_string(processId) +
                       ",\"visible\":" + Bool(IsWindowVisible(window) != FALSE) +
                       ",\"foreground\":" + Bool(GetForegroundWindow() == window) +
                       ",\"active\":" + Bool(thread.hwndActive == window) +
                       ",\"topmost\":" + Bool((GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) +
                       ",\"iconic\":" + Bool(IsIconic(window) != FALSE) + ",\"rect\":" + Rect(rect) +
                       ",\"client\":" + Rect(ClientOnScreen(window)) + ",\"workArea\":" + Rect(WorkArea(window)) +
                       ",\"dpi\":" + std::to_string(WindowDpi(window)) + ",\"children\":[";
    const int dpi = WindowDpi(window);
    const std::vector<HWND> children = Children(window);
    for (size_t i = 0; i < children.size(); ++i) {
        const HWND child = children[i];
        const std::wstring className = ClassName(child);
        RECT childRect = {};
        GetWindowRect(child, &childRect);
        json += (i == 0 ? "{" : ",{");
        json += "\"class\":" + Quoted(className) + ",\"text\":" + Quoted(WindowText(child)) +
                ",\"enabled\":" + Bool(IsWindowEnabled(child) != FALSE) +
                ",\"visible\":" + Bool(IsWindowVisible(child) != FALSE) +
                ",\"focused\":" + Bool(thread.hwndFocus == child) +
                ",\"checked\":" + Bool(SendMessageW(child, BM_GETCHECK, 0, 0) == BST_CHECKED) +
                ",\"checkbox\":" + Bool((GetWindowLongPtrW(child, GWL_STYLE) & BS_TYPEMASK) == BS_AUTOCHECKBOX) +
                ",\"rect\":" + Rect(childRect);
        // A picker shows its time, not its window text.
        const bool picker = lstrcmpiW(className.c_str(), DATETIMEPICK_CLASSW) == 0;
        const SIZE extent = TextExtent(picker ? L"00:00:00" : WindowText(child), dpi);
        json += ",\"textExtent\":[" + std::to_string(extent.cx) + "," + std::to_string(extent.cy) + "]";
        if (lstrcmpiW(className.c_str(), DATETIMEPICK_CLASSW) == 0)
            json += ",\"time\":" + PickerTime(child);
        json += "}";
    }
    return json + "]}";
}

// Only the menu window is visible from outside: Wine keeps menu objects private to their process,
// so the items are read from the screen by the harness.
std::string MenuJson()
{
    const HWND menuWindow = FindWindowW(L"#32768", nullptr);
    if (menuWindow == nullptr || !IsWindowVisible(menuWindow))
        return "{\"open\":false}";
    RECT rect = {};
    GetWindowRect(menuWindow, &rect);
    return "{\"open\":true,\"rect\":" + Rect(rect) + "}";
}

std::string WindowsJson()
{
    std::vector<HWND> windows;
    EnumWindows(
        [](HWND window, LPARAM list) -> BOOL {
            if (IsWindowVisible(window))
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    std::string json = "{\"windows\":[";
    for (size_t i = 0; i < windows.size(); ++i) {
        DWORD processId = 0;
        GetWindowThreadProcessId(windows[i], &processId);
        RECT rect = {};
        GetWindowRect(windows[i], &rect);
        json += (i == 0 ? "{" : ",{");
        json += "\"caption\":" + Quoted(WindowText(windows[i])) + ",\"class\":" + Quoted(ClassName(windows[i])) +
                ",\"pid\":" + std::to_string(processId) +
                ",\"topmost\":" + Bool((GetWindowLongPtrW(windows[i], GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) +
                ",\"rect\":" + Rect(rect) + "}";
    }
    return json + "]}";
}

// Sent rather than posted, so that every window has handled it when the answer comes.
std::string PowerJson(WPARAM event)
{
    DWORD_PTR answer = 0;
    const bool sent = SendMessageTimeoutW(HWND_BROADCAST, WM_POWERBROADCAST, event, 0, SMTO_ABORTIFHUNG, 10000,
                                          &answer) != 0;
    return "{\"sent\":" + Bool(sent) + "}";
}

std::string ClockJson()
{
    SYSTEMTIME local = {};
    GetLocalTime(&local);
    char text[128];
    std::snprintf(text, sizeof text, "{\"ticks\":%llu,\"local\":\"%04u.%02u.%02u %02u:%02u:%02u\"}",
                  static_cast<unsigned long long>(GetTickCount64()), local.wYear, local.wMonth, local.wDay,
                  local.wHour, local.wMinute, local.wSecond);
    return text;
}

// What the shell sends the program's icon in notification-icon version 4: the event in the low word,
// the icon's place (or the mouse's) in wParam. Wine's tray takes no keyboard focus, so the keys'
// notifications are sent from here.
std::string TrayJson(const std::wstring& event, const std::wstring& x, const std::wstring& y)
{
    const UINT code = event == L"keyselect" ? NIN_KEYSELECT
                      : event == L"select"  ? NIN_SELECT
                      : event == L"contextmenu" ? WM_CONTEXTMENU
                                                : 0;
    if (code == 0)
        return "{\"posted\":0}";
    // The icon's window is one of the program's hidden helper windows, which all share a title; the
    // others leave the icon's message alone.
    const WPARAM place = MAKEWPARAM(static_cast<WORD>(std::stoi(x)), static_cast<WORD>(std::stoi(y)));
    int posted = 0;
    for (HWND window = FindWindowExW(nullptr, nullptr, L"TWindow", L"dummy"); window != nullptr;
         window = FindWindowExW(nullptr, window, L"TWindow", L"dummy"))
        posted += PostMessageW(window, WM_USER, place, MAKELPARAM(code, 0)) != FALSE ? 1 : 0;
    return "{\"posted\":" + std::to_string(posted) + "}";
}

// A move by nothing: the session counts it as input, and the pointer stays where the tests put it.
std::string InputJson()
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_MOVE;
    return "{\"sent\":" + std::to_string(SendInput(1, &input, sizeof input)) + "}";
}

std::string IdleJson()
{
    LASTINPUTINFO info = {};
    info.cbSize = sizeof info;
    GetLastInputInfo(&info);
    return "{\"idleMs\":" + std::to_string(static_cast<DWORD>(GetTickCount() - info.dwTime)) + "}";
}

// A tooltip's text lives in its own process: the tool record and a buffer for the text are placed
// there, and TTM_ENUMTOOLSW fills both with the first tool's (a balloon has one tool, and a tracked
// one is no "current" tool).
std::wstring TipText(HWND tip)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(tip, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (process == nullptr)
        return {};
    std::wstring text;
    constexpr size_t capacity = 1024;
    const size_t size = sizeof(TTTOOLINFOW) + capacity * sizeof(wchar_t);
    auto* remote = static_cast<char*>(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (remote != nullptr) {
        TTTOOLINFOW tool = {};
        tool.cbSize = sizeof tool;
        tool.lpszText = reinterpret_cast<wchar_t*>(remote + sizeof tool);
        std::vector<wchar_t> buffer(capacity, L'\0');
        SIZE_T done = 0;
        if (WriteProcessMemory(process, remote, &tool, sizeof tool, &done) &&
            SendMessageW(tip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(remote)) &&
            ReadProcessMemory(process, remote + sizeof tool, buffer.data(), (capacity - 1) * sizeof(wchar_t), &done))
            text = buffer.data();
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return text;
}

std::vector<HWND> VisibleTips()
{
    std::vector<HWND> windows;
    EnumWindows(
        [](HWND window, LPARAM list) -> BOOL {
            if (IsWindowVisible(window) && lstrcmpiW(ClassName(window).c_str(), TOOLTIPS_CLASSW) == 0)
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::string TipsJson()
{
    const std::vector<HWND> windows = VisibleTips();
    std::string json = "{\"tips\":[";
    for (size_t i = 0; i < windows.size(); ++i) {
        RECT rect = {};
        GetWindowRect(windows[i], &rect);
        json += (i == 0 ? "{" : ",{");
        json += "\"caption\":" + Quoted(WindowText(windows[i])) + ",\"text\":" + Quoted(TipText(windows[i])) +
                ",\"rect\":" + Rect(rect) + "}";
    }
    return json + "]}";
}

std::vector<std::wstring> VisibleTipTexts()
{
    const std::vector<HWND> windows = VisibleTips();
    std::vector<std::wstring> texts;
    for (const HWND window : windows)
        texts.push_back(TipText(window));
    return texts;
}

// Looks every 100 ms, in this one process: on Wine's virtual desktop each start of a probe costs
// seconds, too coarse for a notification that comes seconds before a pause.
std::string WatchJson(const std::wstring& caption, int seconds)
{
    const ULONGLONG start = GetTickCount64();
    std::string json = "{\"events\":[";
    std::vector<std::wstring> lastTexts;
    int lastShown = -1;
    while (GetTickCount64() - start < static_cast<ULONGLONG>(seconds) * 1000) {
        const std::vector<std::wstring> texts = VisibleTipTexts();
        const HWND window = FindWindowW(nullptr, caption.c_str());
        const int shown = window != nullptr && IsWindowVisible(window) ? 1 : 0;
        if (texts != lastTexts || shown != lastShown) {
            json += (lastShown == -1 ? "{" : ",{");
            json += "\"ms\":" + std::to_string(GetTickCount64() - start) + ",\"shown\":" + Bool(shown != 0) +
                    ",\"tips\":[";
            for (size_t i = 0; i < texts.size(); ++i) {
                if (i > 0)
                    json += ",";
                json += Quoted(texts[i]);
            }
            json += "]}";
            lastTexts = texts;
            lastShown = shown;
        }
        Sleep(100);
    }
    return json + "]}";
}

// The answer to one command, or nothing when the command is not known.
std::string Answer(const std::vector<std::wstring>& args)
{
    const std::wstring command = args.empty() ? L"" : args[0];
    if (command == L"menu" && args.size() == 1)
        return MenuJson();
    if (command == L"extent" && args.size() == 3) {
        const SIZE extent = TextExtent(args[2], _wtoi(args[1].c_str()));
        return "{\"extent\":[" + std::to_string(extent.cx) + "," + std::to_string(extent.cy) + "]}";
    }
    if (command == L"windows" && args.size() == 1)
        return WindowsJson();
    if (command == L"clock" && args.size() == 1)
        return ClockJson();
    if (command == L"tray" && args.size() == 4)
        return TrayJson(args[1], args[2], args[3]);
    if (command == L"input" && args.size() == 1)
        return InputJson();
    if (command == L"idle" && args.size() == 1)
        return IdleJson();
    if (command == L"tips" && args.size() == 1)
        return TipsJson();
    if (command == L"watch" && args.size() == 3)
        return WatchJson(args[1], _wtoi(args[2].c_str()));
    if (command == L"power" && args.size() == 2 && args[1] == L"suspend")
        return PowerJson(PBT_APMSUSPEND);
    if (command == L"power" && args.size() == 2 && args[1] == L"resume")
        return PowerJson(PBT_APMRESUMEAUTOMATIC);
    if ((command == L"window" || command == L"close" || command == L"object") && args.size() == 2) {
        const HWND window = FindWindowW(nullptr, args[1].c_str());
        if (window == nullptr)
            return "{\"found\":false}";
        DWORD_PTR answer = 0;
        if (command == L"object")
            return "{\"found\":true,\"answered\":" +
                   Bool(SendMessageTimeoutW(window, WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CLIENT), SMTO_ABORTIFHUNG,
                                            5000, &answer) != 0 && answer != 0) + "}";
        if (command == L"close")
            return "{\"found\":true,\"posted\":" + Bool(PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0) != FALSE) +
                   "}";
        return WindowJson(window);
    }
    return {};
}

std::wstring Wide(const std::string& text)
{
    if (text.empty())
        return {};
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring result(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), length);
    return result;
}

// Answers commands read from standard input, one a line with its arguments separated by tabs, until
// the input ends: starting a Wine process per question would cost far more than the question.
int Serve()
{
    char line[4096];
    while (std::fgets(line, sizeof line, stdin) != nullptr) {
        std::string text = line;
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
            text.pop_back();
        std::vector<std::wstring> args;
        size_t start = 0;
        for (size_t tab = text.find('\t'); tab != std::string::npos; tab = text.find('\t', start)) {
            args.push_back(Wide(text.substr(start, tab - start)));
            start = tab + 1;
        }
        args.push_back(Wide(text.substr(start)));
        const std::string answer = Answer(args);
        std::puts(answer.empty() ? "{\"error\":\"unknown command\"}" : answer.c_str());
        std::fflush(stdout);
    }
    return 0;
}

} // namespace

int main()
{
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::vector<std::wstring> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    LocalFree(argv);
    if (args.size() == 1 && args[0] == L"serve")
        return Serve();
    const std::string answer = Answer(args);
    if (answer.empty()) {
        std::fputs("usage: tavelin_probe window|close <caption> | menu | windows | power suspend|resume | clock |\n"
                   "  tray keyselect|select|contextmenu <x> <y> | input | idle | tips | watch <caption> <s> |\n"
                   "  extent <dpi> <text> | serve\n",
                   stderr);
        return 2;
    }
    std::puts(answer.c_str());
    return 0;
}
