#include "core/CalendarConversion.h"

#include "core/Calendar.h"

namespace {

constexpr std::int64_t SecondsPerDay = 86'400;
// Days from 0000-03-01 (proleptic Gregorian) to 1601-01-01.
constexpr std::int64_t DaysTo1601 = 584'694;

// Days since 0000-03-01, counting years from March so the leap day falls at the end of a year.
std::int64_t DaysFromCivil(std::int64_t year, std::int64_t month, std::int64_t day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = year / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146'097 + dayOfEra;
}

}  // namespace

std::int64_t ConvertFieldsToTicks(const TCalendarFields& fields) {
    const std::int64_t days = DaysFromCivil(fields.year, fields.month, fields.day) - DaysTo1601;
    const std::int64_t seconds =
        days * SecondsPerDay + fields.hour * 3600 + fields.minute * 60 + std::int64_t{fields.second};
    return seconds * TicksPerSecond;
}

TCalendarFields ConvertTicksToFields(std::int64_t ticks) {
    const std::int64_t seconds = ticks / TicksPerSecond;
    const std::int64_t secondOfDay = seconds % SecondsPerDay;
    const std::int64_t days = seconds / SecondsPerDay + DaysTo1601;
    const std::int64_t era = days / 146'097;
    const std::int64_t dayOfEra = days - era * 146'097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36'524 - dayOfEra / 146'096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
    const std::int64_t day = dayOfYear - (153 * monthFromMarch + 2) / 5 + 1;
    const std::int64_t month = monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9;
    const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return TCalendarFields{static_cast<std::uint16_t>(year),
                           static_cast<std::uint16_t>(month),
                           static_cast<std::uint16_t>(day),
                           static_cast<std::uint16_t>(secondOfDay / 3600),
                           static_cast<std::uint16_t>(secondOfDay % 3600 / 60),
                           static_cast<std::uint16_t>(secondOfDay % 60)};
}
