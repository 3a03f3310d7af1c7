#pragma once

#include <cstdint>

// A position in pixels: screen coordinates for top-level windows, client coordinates for controls.
struct TPoint {
    std::int32_t x;
    std::int32_t y;

    constexpr TPoint(std::int32_t xValue, std::int32_t yValue) : x(xValue), y(yValue) {}
    friend constexpr bool operator==(const TPoint&, const TPoint&) = default;
};
