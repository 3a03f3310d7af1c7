#pragma once

#include <windows.h>

// The device context of a window (null: the whole screen), released when the holder goes.
class TWindowDC {
public:
    explicit TWindowDC(HWND windowHandle);
    ~TWindowDC();
    TWindowDC(const TWindowDC&) = delete;
    TWindowDC& operator=(const TWindowDC&) = delete;

    HDC GetHandle() const;

private:
    HWND window;
    HDC dc;
};
