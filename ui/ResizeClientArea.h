#pragma once

#include "toolkit/TSize.h"
#include "toolkit/TWindow.h"

// Resizes the window in place so that its client area gets the given size.
void ResizeClientArea(TWindow& window, TSize clientSize);
