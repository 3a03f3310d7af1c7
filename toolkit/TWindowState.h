#pragma once

#include "toolkit/Dpi.h"
#include "toolkit/TControlList.h"
#include "toolkit/TWindow.h"

#include <objbase.h>

// The window property that leads from a system window to its TWindow.
inline constexpr const wchar_t* WindowPropertyName = L"ControllingObject";

// What a TWindow holds, shared by the files that make up the window: its system window, colours,
// DPI and font, what it tells screen readers, and the controls attached to it.
struct TWindow::TState {
    TState() = default;
    ~TState() {
        if (handle != nullptr) {
            // Messages sent while the window is destroyed go straight to the default procedure.
            RemovePropW(handle, WindowPropertyName);
            DestroyWindow(handle);
        }
        if (comInitialized) {
            CoUninitialize();
        }
    }
    TState(const TState&) = delete;
    TState& operator=(const TState&) = delete;

    HWND handle = nullptr;
    TColor background{0, 0, 0};
    TColor text{0, 0, 0};
    std::wstring accessibleDescription;
    // COM hands the accessible object to the reader; started on the first question, so a user without
    // a reader never loads it.
    bool comInitialized = false;
    std::int32_t dpi = DefaultDpi;
    std::unique_ptr<TFont> font;
    TControlList<TControl> controls;
};
