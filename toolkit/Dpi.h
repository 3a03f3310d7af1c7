#pragma once

#include <windows.h>

#include <cstdint>

// The DPI at which layouts are written: sizes in pixels at 96 DPI are scaled by DPI / 96.
constexpr std::int32_t DefaultDpi = 96;

// A length given at 96 DPI, scaled to the DPI and rounded to the nearest pixel.
std::int32_t ScaleToDpi(std::int32_t lengthAt96, std::int32_t dpi);

// The DPI the system draws the window at: its own (Windows 10 1607), else its monitor's
// (Windows 8.1), else the screen's.
std::int32_t WindowDpi(HWND window);

// The DPI that the system's metrics and fonts are given at: the screen's at program start.
std::int32_t SystemDpi();
