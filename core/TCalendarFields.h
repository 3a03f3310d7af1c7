#pragma once

#include <cstdint>

// A wall-clock date and time in the calendar's own fields, without time zone.
struct TCalendarFields {
    std::uint16_t year;
    std::uint16_t month;
    std::uint16_t day;
    std::uint16_t hour;
    std::uint16_t minute;
    std::uint16_t second;

    bool operator==(const TCalendarFields&) const = default;
};
