#pragma once

#include "toolkit/TWindow.h"

#include <windows.h>

#include <functional>

// Centres the window, keeping its size, on the work area (screen coordinates).
void CentreOnWorkArea(TWindow& window, const RECT& workArea);

// Centres the window, keeping its size, on the work area of the given monitor.
void CentreOnWorkArea(TWindow& window, HMONITOR monitor);

// The monitor under the mouse pointer, or the nearest one.
HMONITOR MonitorUnderCursor();

// The work area of the monitor under the mouse pointer.
RECT WorkAreaUnderCursor();

// Reads a work area; replaceable so that the choice of monitor can be tested.
using TWorkAreaQuery = std::function<RECT()>;
