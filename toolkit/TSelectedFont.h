#pragma once

#include <windows.h>

// Selects a font that someone else owns into a device context and selects the previous one back on
// destruction; unlike TSelectedObject it deletes nothing. A null font leaves the context as it is.
class TSelectedFont {
public:
    TSelectedFont(HDC dcHandle, HFONT font);
    ~TSelectedFont();
    TSelectedFont(const TSelectedFont&) = delete;
    TSelectedFont& operator=(const TSelectedFont&) = delete;

private:
    HDC dc;
    HGDIOBJ previous;
};
