#pragma once

#include "core/THistoryEvent.h"

#include <cstdint>
#include <string>
#include <vector>

// What the history says of one calendar day: the events counted on the day they began.
struct THistoryDay {
    // "YYYY.MM.DD", the date part of a timestamp text.
    std::string date;
    std::int64_t pauses = 0;
    std::int64_t pauseSeconds = 0;
    std::int64_t naturalBreaks = 0;
    std::int64_t eyePauses = 0;

    bool operator==(const THistoryDay&) const = default;
};

// How many days the history keeps, and how many the chart shows.
inline constexpr std::int32_t HistoryKeptDays = 400;
inline constexpr std::int32_t ChartDays = 14;

// The date that many days before the timestamp's date; empty when the timestamp is not readable or
// the date would leave the calendar. Calendar days, so a daylight-saving change moves no date.
std::string DateDaysBefore(const std::string& timestamp, std::int32_t days);

// The count days up to the timestamp's date, oldest first, with nothing counted yet.
std::vector<THistoryDay> HistoryDays(const std::string& today, std::int32_t count);

// Counts the event on its day, if that is one of the days.
void CountHistoryEvent(std::vector<THistoryDay>& days, const THistoryEvent& event);
