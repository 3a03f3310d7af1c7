#pragma once

#include "core/TScopedHandle.h"

#include "toolkit/GdiHolders.h"
#include "toolkit/TCallback.h"

#include <windows.h>

#include <vector>

// A dark translucent layer over every monitor while a pause shows, taskbars included: above every
// other window and just below the pause window, so that nothing else can be worked on. A click on
// it reaches no other program and calls back. It never takes the focus or the foreground and has
// no name, so screen readers have nothing to announce. Made when a pause begins and destroyed when
// it ends, so it costs nothing between pauses.
class TDimLayer {
public:
    // The layer stays just below the window given.
    TDimLayer(HWND pauseWindow, const TCallback& onClick);
    ~TDimLayer();
    TDimLayer(const TDimLayer&) = delete;
    TDimLayer& operator=(const TDimLayer&) = delete;

    // Covers the monitors there are now, each whole, and goes back just below the pause window.
    void Follow();
    // One window a monitor, in the order the system lists the monitors.
    std::vector<HWND> GetWindows() const;

private:
    static LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Cover(const std::vector<RECT>& monitors);

    HWND above;
    TCallback onClick;
    // The high-contrast scheme's window colour where high contrast is on, black otherwise.
    TGdiObject<HBRUSH> brush;
    std::vector<RECT> covered;
    std::vector<TScopedHandle<HWND, DestroyWindow>> windows;
};
