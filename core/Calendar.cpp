#include "core/Calendar.h"

#include "core/CalendarConversion.h"

namespace {

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

// Ticks of 30828-01-01 00:00:00, the first moment past the range.
constexpr std::int64_t EndOfRangeTicks = 9'223'149'888'000'000'000;

}  // namespace

bool IsCalendarTime(const TCalendarFields& fields) {
    return fields.year >= FirstCalendarYear && fields.year <= LastCalendarYear && fields.month >= 1 &&
           fields.month <= 12 && fields.day >= 1 && fields.day <= DaysInMonth(fields.year, fields.month) &&
           fields.hour <= 23 && fields.minute <= 59 && fields.second <= 59;
}

std::optional<std::int64_t> CalendarTicks(const TCalendarFields& fields) {
    if (!IsCalendarTime(fields)) {
        return std::nullopt;
    }
    return ConvertFieldsToTicks(fields);
}

std::optional<TCalendarFields> CalendarFields(std::int64_t ticks) {
    if (ticks < 0 || ticks >= EndOfRangeTicks) {
        return std::nullopt;
    }
    return ConvertTicksToFields(ticks);
}
