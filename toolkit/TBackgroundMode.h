#pragma once

#include <windows.h>

// Sets a device context's background mode for one scope and restores the previous mode.
class TBackgroundMode {
public:
    TBackgroundMode(HDC dcHandle, bool transparent);
    ~TBackgroundMode();
    TBackgroundMode(const TBackgroundMode&) = delete;
    TBackgroundMode& operator=(const TBackgroundMode&) = delete;

private:
    HDC dc;
    int previousMode;
};
