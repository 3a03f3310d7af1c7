#pragma once

#include <array>
#include <string>

// The week and the time of day as the user's locale writes them.

// The locale's abbreviated day names, Monday first.
std::array<std::wstring, 7> LocaleDayNames();

// The weekday the locale's week begins with, 0 Monday to 6 Sunday.
int LocaleFirstWeekday();

// An hour and minute as the locale writes a time without seconds.
std::wstring LocaleTimeText(int hour, int minute);
