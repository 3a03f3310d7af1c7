#pragma once

#include "toolkit/TColor.h"

#include <windows.h>

// Sets a device context's text colour for one scope and restores the previous colour.
class TTextColor {
public:
    TTextColor(HDC dcHandle, TColor color);
    ~TTextColor();
    TTextColor(const TTextColor&) = delete;
    TTextColor& operator=(const TTextColor&) = delete;

private:
    HDC dc;
    COLORREF previousColor;
};
