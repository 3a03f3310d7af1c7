#pragma once

#include "toolkit/TWindow.h"

#include <cstdint>
#include <string>

// The text wrapped (WrapText's rules) to lines no wider than maxWidth in the window's own font, as
// its texts are drawn at its present DPI.
std::wstring WrapForWindow(const TWindow& window, const std::wstring& text, std::int32_t maxWidth);
