#include "toolkit/TSelectedFont.h"

TSelectedFont::TSelectedFont(HDC dcHandle, HFONT font)
    : dc(dcHandle), previous(font != nullptr ? SelectObject(dcHandle, font) : nullptr) {}

TSelectedFont::~TSelectedFont() {
    if (previous != nullptr) {
        SelectObject(dc, previous);
    }
}
