#pragma once

#include <windows.h>

#include <cstdint>

// The system's message font (the one dialogs use) made for one DPI; owns the font object.
class TFont {
public:
    explicit TFont(std::int32_t dpi);
    ~TFont();
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;

    HFONT GetHandle() const;

private:
    HFONT handle;
};
