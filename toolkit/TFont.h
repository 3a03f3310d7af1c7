#pragma once

#include "toolkit/GdiHolders.h"

#include <windows.h>

#include <cstdint>

// The system's message font (the one dialogs use) made for one DPI; owns the font object.
class TFont {
public:
    explicit TFont(std::int32_t dpi);

    HFONT GetHandle() const;

private:
    TGdiObject<HFONT> handle;
};
