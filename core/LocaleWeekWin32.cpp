#include "core/LocaleWeek.h"

#include <windows.h>

namespace {

std::wstring LocaleText(LCTYPE type) {
    wchar_t text[80] = {};
    return GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, text, 80) > 0 ? std::wstring(text) : std::wstring();
}

}  // namespace

std::array<std::wstring, 7> LocaleDayNames() {
    std::array<std::wstring, 7> names;
    for (std::size_t day = 0; day < names.size(); ++day) {
        names[day] = LocaleText(static_cast<LCTYPE>(LOCALE_SABBREVDAYNAME1 + day));
    }
    return names;
}

int LocaleFirstWeekday() {
    const std::wstring first = LocaleText(LOCALE_IFIRSTDAYOFWEEK);
    return first.size() == 1 && first[0] >= L'0' && first[0] <= L'6' ? first[0] - L'0' : 0;
}

std::wstring LocaleTimeText(int hour, int minute) {
    SYSTEMTIME time = {};
    time.wHour = static_cast<WORD>(hour);
    time.wMinute = static_cast<WORD>(minute);
    wchar_t text[80] = {};
    if (GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, TIME_NOSECONDS, &time, nullptr, text, 80) > 0) {
        return text;
    }
    return std::to_wstring(hour) + L":" + (minute < 10 ? L"0" : L"") + std::to_wstring(minute);
}
