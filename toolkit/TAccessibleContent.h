#pragma once

#include "toolkit/TAccessibleItem.h"

#include <windows.h>

#include <string>
#include <vector>

// How an accessible object asks a system window for what the window tells screen readers beyond
// the system's own answer, afresh at each question.
struct TAccessibleContent {
    // The window's elements in layout order: top to bottom, then left to right.
    std::vector<TAccessibleItem> (*items)(HWND window);
    // What a reader reads as the window's description (empty leaves the system's); null for any
    // other window and once the window has gone.
    const std::wstring* (*description)(HWND window);
};
