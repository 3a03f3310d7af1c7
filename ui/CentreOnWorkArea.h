#pragma once

#include "toolkit/TWindow.h"

#include <windows.h>

// Centres the window, keeping its size, on the work area of the monitor that holds it
// (the primary monitor if none does).
void CentreOnWorkArea(TWindow& window);

// Centres the window, keeping its size, on the work area of the given monitor.
void CentreOnWorkArea(TWindow& window, HMONITOR monitor);

// The monitor under the mouse pointer, or the nearest one.
HMONITOR MonitorUnderCursor();
