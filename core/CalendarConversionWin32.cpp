#include "core/CalendarConversion.h"

#include <windows.h>

std::int64_t ConvertFieldsToTicks(const TCalendarFields& fields) {
    SYSTEMTIME time{};
    time.wYear = fields.year;
    time.wMonth = fields.month;
    time.wDay = fields.day;
    time.wHour = fields.hour;
    time.wMinute = fields.minute;
    time.wSecond = fields.second;
    FILETIME fileTime{};
    SystemTimeToFileTime(&time, &fileTime);
    ULARGE_INTEGER ticks{};
    ticks.LowPart = fileTime.dwLowDateTime;
    ticks.HighPart = fileTime.dwHighDateTime;
    return static_cast<std::int64_t>(ticks.QuadPart);
}

TCalendarFields ConvertTicksToFields(std::int64_t ticks) {
    ULARGE_INTEGER value{};
    value.QuadPart = static_cast<ULONGLONG>(ticks);
    FILETIME fileTime{value.LowPart, value.HighPart};
    SYSTEMTIME time{};
    FileTimeToSystemTime(&fileTime, &time);
    return TCalendarFields{time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond};
}
