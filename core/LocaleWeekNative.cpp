#include "core/LocaleWeek.h"

// The native build stands for an English locale with weeks from Monday and a 24-hour clock.

std::array<std::wstring, 7> LocaleDayNames() {
    return {L"Mon", L"Tue", L"Wed", L"Thu", L"Fri", L"Sat", L"Sun"};
}

int LocaleFirstWeekday() {
    return 0;
}

std::wstring LocaleTimeText(int hour, int minute) {
    return (hour < 10 ? L"0" : L"") + std::to_wstring(hour) + L":" + (minute < 10 ? L"0" : L"") +
           std::to_wstring(minute);
}
