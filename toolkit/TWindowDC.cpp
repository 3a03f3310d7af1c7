#include "toolkit/TWindowDC.h"

TWindowDC::TWindowDC(HWND windowHandle) : window(windowHandle), dc(GetDC(windowHandle)) {}

TWindowDC::~TWindowDC() {
    ReleaseDC(window, dc);
}

HDC TWindowDC::GetHandle() const {
    return dc;
}
