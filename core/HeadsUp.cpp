#include "core/HeadsUp.h"

#include "core/TimeTextReading.h"

#include <algorithm>

namespace {

// "An" where the number is spoken with a vowel first: eight, eleven, eighteen, eighty, eight hundred,
// and the same leading a thousand.
const wchar_t* Article(std::int64_t number) {
    const std::wstring digits = std::to_wstring(number);
    const std::size_t leadLength = digits.size() % 3 == 0 ? 3 : digits.size() % 3;
    const std::wstring lead = digits.substr(0, leadLength);
    return lead[0] == L'8' || lead == L"11" || lead == L"18" ? L"An" : L"A";
}

std::wstring Counted(std::int64_t count, const wchar_t* unit) {
    return std::to_wstring(count) + L" " + unit + (count == 1 ? L"" : L"s");
}

}  // namespace

std::int64_t DurationSeconds(const std::string& duration) {
    const auto fields = ReadDurationFields(duration);
    const auto seconds = fields ? TotalSeconds(*fields) : std::nullopt;
    return seconds ? *seconds : 0;
}

std::int64_t HeadsUpLeadSeconds(const std::string& interval) {
    const std::int64_t seconds = DurationSeconds(interval);
    return seconds < 4 * 60 ? seconds / 4 : 60;
}

std::wstring HeadsUpText(const std::string& pauseLength, std::int64_t secondsLeft) {
    const std::int64_t length = DurationSeconds(pauseLength);
    std::int64_t count = length;
    const wchar_t* unit = L"second";
    if (length > 0 && length % 3600 == 0) {
        count = length / 3600;
        unit = L"hour";
    } else if (length > 0 && length % 60 == 0) {
        count = length / 60;
        unit = L"minute";
    }
    const std::wstring when = secondsLeft >= 55 ? Counted((secondsLeft + 5) / 60, L"minute")
                                                : Counted(std::max<std::int64_t>(secondsLeft, 1), L"second");
    return std::wstring(Article(count)) + L" " + std::to_wstring(count) + L"-" + unit + L" pause begins in " + when +
           L".";
}

std::int64_t AwayAfterSeconds(const std::string& pauseLength) {
    return std::max<std::int64_t>(DurationSeconds(pauseLength), 2 * 60);
}
