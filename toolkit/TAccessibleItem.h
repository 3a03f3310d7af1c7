#pragma once

#include "toolkit/TPoint.h"
#include "toolkit/TSize.h"

#include <windows.h>

#include <string>

// One element of a window as screen readers see it: a text the window paints itself (no child
// window), or a child window, named here when the system would not name it well.
struct TAccessibleItem {
    std::wstring name;
    HWND child;
    // In the window's client coordinates.
    TPoint position;
    TSize size;
    // The control that gave the item; null for a child window no control describes.
    const void* source;
};
