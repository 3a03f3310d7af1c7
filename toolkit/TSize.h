#pragma once

#include <cstdint>

// An extent in pixels.
struct TSize {
    std::int32_t width;
    std::int32_t height;

    constexpr TSize(std::int32_t widthValue, std::int32_t heightValue) : width(widthValue), height(heightValue) {}
    friend constexpr bool operator==(const TSize&, const TSize&) = default;
};
