#include "toolkit/TTextColor.h"

TTextColor::TTextColor(HDC dcHandle, TColor color) : dc(dcHandle), previousColor(SetTextColor(dcHandle, color.ToColorRef())) {}

TTextColor::~TTextColor() {
    if (previousColor != CLR_INVALID) {
        SetTextColor(dc, previousColor);
    }
}
