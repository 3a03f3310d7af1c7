#include "ui/FormatDate.h"

#include "core/TimeTextReading.h"

#include <windows.h>

std::wstring FormatDate(const std::string& date, const std::wstring& picture, const std::wstring& languageTag) {
    const auto fields = ReadTimestampFields(date + " 12:00:00");
    if (!fields) {
        return std::wstring();
    }
    SYSTEMTIME day{};
    day.wYear = fields->year;
    day.wMonth = fields->month;
    day.wDay = fields->day;
    day.wHour = 12;
    // The round trip fills in the day of the week, which the picture's "ddd" names.
    FILETIME file{};
    if (!SystemTimeToFileTime(&day, &file) || !FileTimeToSystemTime(&file, &day)) {
        return std::wstring();
    }
    wchar_t text[128] = {};
    const wchar_t* const userLocale = LOCALE_NAME_USER_DEFAULT;
    for (const wchar_t* locale : {languageTag.c_str(), userLocale}) {
        if (GetDateFormatEx(locale, 0, &day, picture.c_str(), text, 128, nullptr) > 0) {
            return text;
        }
    }
    return std::wstring();
}
