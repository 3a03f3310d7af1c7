// The benchmark's hands inside the Wine prefix:
//   TavelinBenchDriver launch <exe>   starts the program and prints the milliseconds from
//                                     CreateProcessW until it first waits for input
//   TavelinBenchDriver cycles <n>     dismisses n pauses of Tavelin with its "Back to work" button,
//                                     each as soon as the button is usable; prints the seconds taken
//   TavelinBenchDriver waitpause      returns once a pause window shows
//   TavelinBenchDriver menu           prints the open popup menu's screen rectangle
// Exit code 1 when something did not show within a minute. Each launch and each cycle begin with a
// mouse move by nothing, so that Tavelin sees a user at the keyboard rather than time away.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>

namespace {

constexpr DWORD PatienceMs = 60'000;

double SecondsSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER now{};
    LARGE_INTEGER frequency{};
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER Now() {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return now;
}

// Polls every 20 ms until the condition holds; false after the patience ran out.
template <typename TCondition>
bool WaitUntil(TCondition condition) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > PatienceMs) {
            return false;
        }
        Sleep(20);
    }
    return true;
}

void GiveInput() {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof input);
}

HWND VisiblePauseWindow() {
    const HWND window = FindWindowW(nullptr, L"Pause");
    return window != nullptr && IsWindowVisible(window) ? window : nullptr;
}

int Launch(const wchar_t* exe) {
    std::wstring commandLine = L"\"" + std::wstring(exe) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    GiveInput();
    const LARGE_INTEGER start = Now();
    if (!CreateProcessW(exe, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        std::fprintf(stderr, "cannot start %ls (error %lu)\n", exe, GetLastError());
        return 1;
    }
    const DWORD waited = WaitForInputIdle(process.hProcess, PatienceMs);
    const double seconds = SecondsSince(start);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (waited != 0) {
        std::fprintf(stderr, "%ls did not reach its message loop\n", exe);
        return 1;
    }
    std::printf("%.1f\n", seconds * 1000.0);
    return 0;
}

int Cycles(int count) {
    const LARGE_INTEGER start = Now();
    for (int cycle = 0; cycle < count; ++cycle) {
        GiveInput();
        HWND button = nullptr;
        const bool usable = WaitUntil([&] {
            const HWND window = VisiblePauseWindow();
            button = window != nullptr ? FindWindowExW(window, nullptr, L"Button", L"Back to work") : nullptr;
            return button != nullptr && IsWindowEnabled(button);
        });
        if (!usable) {
            std::fprintf(stderr, "no usable \"Back to work\" button in cycle %d\n", cycle + 1);
            return 1;
        }
        PostMessageW(button, BM_CLICK, 0, 0);
        if (!WaitUntil([] { return VisiblePauseWindow() == nullptr; })) {
            std::fprintf(stderr, "the pause window stayed after the click in cycle %d\n", cycle + 1);
            return 1;
        }
    }
    std::printf("%.1f\n", SecondsSince(start));
    return 0;
}

int Menu() {
    RECT rect{};
    const bool open = WaitUntil([&] {
        const HWND menu = FindWindowW(L"#32768", nullptr);
        return menu != nullptr && IsWindowVisible(menu) && GetWindowRect(menu, &rect);
    });
    if (!open) {
        return 1;
    }
    std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom);
    return 0;
}

}  // namespace

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    const std::wstring command = argc > 1 ? argv[1] : L"";
    int result = 2;
    if (command == L"launch" && argc == 3) {
        result = Launch(argv[2]);
    } else if (command == L"cycles" && argc == 3) {
        result = Cycles(_wtoi(argv[2]));
    } else if (command == L"waitpause" && argc == 2) {
        result = WaitUntil([] { return VisiblePauseWindow() != nullptr; }) ? 0 : 1;
    } else if (command == L"menu" && argc == 2) {
        result = Menu();
    } else {
        std::fputs("usage: TavelinBenchDriver launch <exe> | cycles <n> | waitpause | menu\n", stderr);
    }
    std::fflush(stdout);
    LocalFree(argv);
    return result;
}
