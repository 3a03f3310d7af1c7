#pragma once

#include "core/ResourceTexts.h"

#include "toolkit/TCallback.h"
#include "toolkit/TSize.h"
#include "toolkit/TWindow.h"

#include <windows.h>

#include <string>

// Runs an action once after a delay, from whatever message loop is running then, a modal menu's
// included. A window timer on a hidden window of its own, so no global state is needed.
class TDelayedAction {
public:
    TDelayedAction(const TCallback& action, UINT milliseconds)
        : window(L"timer", false, nullptr), processor(window, action) {
        SetTimer(window.GetHandle(), 1, milliseconds, nullptr);
    }
    ~TDelayedAction() { KillTimer(window.GetHandle(), 1); }

private:
    class TProcessor : public TWindow::TControl {
    public:
        TProcessor(TWindow& ownerWindow, const TCallback& callback) : TControl(ownerWindow), action(callback) {}
        bool ProcessMessage(TWindow::TMessage& message) override {
            if (message.message != WM_TIMER) {
                return false;
            }
            KillTimer(message.hwnd, 1);
            action();
            return true;
        }

    private:
        TCallback action;
    };

    TWindow window;
    TProcessor processor;
};

// A child window's rectangle in its parent's client coordinates.
inline RECT ChildRect(HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

inline HWND FindChild(const TWindow& window, const wchar_t* className, const wchar_t* text) {
    return FindWindowExW(window.GetHandle(), nullptr, className, text);
}

inline std::wstring WindowText(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

inline SIZE ClientSize(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return SIZE{rect.right, rect.bottom};
}

// Handles whatever is waiting in the thread's queue, so posted work (repaints, size changes) is done.
inline void DrainMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// The English texts of the string tables linked into the test program, which the windows' tests
// expect whatever language the test's user has.
inline TTexts EnglishResourceTexts() {
    return ResourceTexts(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
}
