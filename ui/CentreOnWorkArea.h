#pragma once

#include "toolkit/TWindow.h"

// Centres the window, keeping its size, on the work area of the monitor that holds it
// (the primary monitor if none does).
void CentreOnWorkArea(TWindow& window);
