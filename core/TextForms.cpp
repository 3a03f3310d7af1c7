#include "core/TextForms.h"

#include <initializer_list>

namespace {

std::wstring_view Primary(std::wstring_view tag) {
    return tag.substr(0, tag.find(L'-'));
}

bool OneOf(std::wstring_view language, std::initializer_list<std::wstring_view> languages) {
    for (const std::wstring_view each : languages) {
        if (language == each) {
            return true;
        }
    }
    return false;
}

bool HasNoPlural(std::wstring_view language) {
    return OneOf(language, {L"ja", L"zh", L"ko", L"vi", L"th", L"id", L"ms"});
}

bool IsSlavic(std::wstring_view language) {
    return OneOf(language, {L"pl", L"ru", L"uk", L"be"});
}

// The Slavic "few" ends in 2, 3 or 4, except for the teens.
bool IsFew(std::int64_t count) {
    const std::int64_t last = count % 10;
    const std::int64_t lastTwo = count % 100;
    return last >= 2 && last <= 4 && !(lastTwo >= 12 && lastTwo <= 14);
}

}  // namespace

std::wstring FillPlaceholders(std::wstring_view pattern, const std::vector<std::wstring>& values) {
    std::wstring text;
    std::size_t at = 0;
    while (at < pattern.size()) {
        const std::size_t close = pattern.find(L'}', at);
        const bool placeholder = pattern[at] == L'{' && close != std::wstring_view::npos && close > at + 1 &&
                                 pattern.substr(at + 1, close - at - 1).find_first_not_of(L"0123456789") ==
                                     std::wstring_view::npos;
        if (!placeholder) {
            text += pattern[at++];
            continue;
        }
        std::size_t index = 0;
        for (std::size_t digit = at + 1; digit < close && index <= values.size(); ++digit) {
            index = index * 10 + static_cast<std::size_t>(pattern[digit] - L'0');
        }
        if (index < values.size()) {
            text += values[index];
        } else {
            text += pattern.substr(at, close - at + 1);
        }
        at = close + 1;
    }
    return text;
}

std::wstring_view FormAt(std::wstring_view forms, std::size_t index) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < index; ++i) {
        const std::size_t bar = forms.find(L'|', start);
        if (bar == std::wstring_view::npos) {
            break;
        }
        start = bar + 1;
    }
    const std::size_t end = forms.find(L'|', start);
    return forms.substr(start, end == std::wstring_view::npos ? forms.size() - start : end - start);
}

std::size_t PluralFormCount(std::wstring_view tag) {
    const std::wstring_view language = Primary(tag);
    return HasNoPlural(language) ? 1 : IsSlavic(language) ? 3 : 2;
}

std::size_t PluralForm(std::wstring_view tag, std::int64_t count) {
    const std::wstring_view language = Primary(tag);
    if (HasNoPlural(language)) {
        return 0;
    }
    if (language == L"pl") {
        return count == 1 ? 0 : IsFew(count) ? 1 : 2;
    }
    if (IsSlavic(language)) {
        return count % 10 == 1 && count % 100 != 11 ? 0 : IsFew(count) ? 1 : 2;
    }
    if (OneOf(language, {L"fr", L"pt"})) {
        return count == 0 || count == 1 ? 0 : 1;
    }
    return count == 1 ? 0 : 1;
}

std::size_t ArticleFormCount(std::wstring_view tag) {
    return Primary(tag) == L"en" ? 2 : 1;
}

// "An" where the number is spoken with a vowel first: eight, eleven, eighteen, eighty, eight hundred,
// and the same leading a thousand.
std::size_t ArticleForm(std::wstring_view tag, std::int64_t number) {
    if (Primary(tag) != L"en") {
        return 0;
    }
    const std::wstring digits = std::to_wstring(number);
    const std::size_t leadLength = digits.size() % 3 == 0 ? 3 : digits.size() % 3;
    const std::wstring lead = digits.substr(0, leadLength);
    return lead[0] == L'8' || lead == L"11" || lead == L"18" ? 1 : 0;
}
