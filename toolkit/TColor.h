#pragma once

#include <cstdint>

struct TColor {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;

    constexpr TColor(std::uint8_t redValue, std::uint8_t greenValue, std::uint8_t blueValue)
        : red(redValue), green(greenValue), blue(blueValue) {}
    friend constexpr bool operator==(const TColor&, const TColor&) = default;

    // The platform's colour value: red + green * 256 + blue * 65536.
    constexpr std::uint32_t ToColorRef() const {
        return static_cast<std::uint32_t>(red) | static_cast<std::uint32_t>(green) << 8 |
               static_cast<std::uint32_t>(blue) << 16;
    }
};
