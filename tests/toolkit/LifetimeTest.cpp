#include "toolkit/TControlButton.h"
#include "toolkit/TControlText.h"
#include "toolkit/TControlTimePicker.h"
#include "toolkit/TRepeatedAction.h"
#include "toolkit/TWindow.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

BOOL CALLBACK CollectChild(HWND child, LPARAM handles) {
    reinterpret_cast<std::vector<HWND>*>(handles)->push_back(child);
    return TRUE;
}

// Windows counts the process's USER objects; Wine does not, but gives a new window the handle slot
// freed last, so the slot of a probe window climbs only while windows leak.
DWORD UserUsage() {
    if (const DWORD count = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS); count != 0) {
        return count;
    }
    const HWND probe = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(probe);
    return LOWORD(reinterpret_cast<ULONG_PTR>(probe));
}

TEST(Lifetime, WindowsControlsAndTimersReleaseEverySystemWindow) {
    std::vector<HWND> handles;
    for (int round = 0; round < 3; ++round) {
        TWindowList dialogWindows;
        TWindow window(L"lifetime", false, &dialogWindows);
        TControlButton button(window, L"OK", true);
        TControlTimePicker picker(window, L"HH:mm:ss");
        TControlText text(window, L"text", window.GetBackgroundColor());
        TRepeatedAction timer([] {}, 0.01);
        handles.push_back(window.GetHandle());
        EnumChildWindows(window.GetHandle(), CollectChild, reinterpret_cast<LPARAM>(&handles));
        handles.push_back(FindWindowW(L"TWindow", L"dummy"));
    }
    ASSERT_GE(handles.size(), 9u);
    for (const HWND handle : handles) {
        EXPECT_FALSE(IsWindow(handle));
    }
}

TEST(Lifetime, ManyLifetimesLeaveNoUserObjectBehind) {
    const auto cycle = [] {
        TWindow window(L"lifetime", false, nullptr);
        TControlButton button(window, L"OK", true);
        TControlTimePicker picker(window, L"HH:mm:ss");
        TRepeatedAction timer([] {}, 0.01);
    };
    cycle();
    const DWORD before = UserUsage();
    for (int i = 0; i < 100; ++i) {
        cycle();
    }
    EXPECT_LT(UserUsage(), before + 20);
}

}  // namespace
