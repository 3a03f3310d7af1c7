#pragma once

#include "toolkit/TPoint.h"
#include "toolkit/TSize.h"

#include <windows.h>

#include <string>

// Lines are separated by line feeds; each line starts 6/5 of the previous line's height below it.

// The size of the block as DrawTextLines draws it in the device context's current font.
TSize MeasureTextLines(HDC dc, const std::wstring& text);

// Draws the lines one below the other from the given top-left corner.
void DrawTextLines(HDC dc, const std::wstring& text, TPoint topLeft);
