#include "toolkit/WrapText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Ten pixels a character, so that a width of 50 holds five.
std::int32_t TenEach(const std::wstring& text) {
    return static_cast<std::int32_t>(text.size()) * 10;
}

struct TWrapCase {
    const char* name;
    std::wstring text;
    std::int32_t maxWidth;
    std::wstring wrapped;
};

class WrapTextTest : public testing::TestWithParam<TWrapCase> {};

TEST_P(WrapTextTest, BreaksAtSpacesAndInsideTooLongWordsOnly) {
    EXPECT_EQ(WrapText(GetParam().text, GetParam().maxWidth, TenEach), GetParam().wrapped);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WrapTextTest,
    testing::Values(TWrapCase{"Fits", L"ab cd", 50, L"ab cd"},
                    TWrapCase{"ExactlyFits", L"abc de", 60, L"abc de"},
                    TWrapCase{"BreaksAtTheLastSpaceThatFits", L"ab cd ef gh", 50, L"ab cd\nef gh"},
                    TWrapCase{"SpacesSwallowed", L"  ab   cd  ", 30, L"ab\ncd"},
                    TWrapCase{"LongWordAloneItsTailJoined", L"abcdef g", 40, L"abcd\nef g"},
                    TWrapCase{"NoSpacesAtAll", L"\u4f11\u606f\u4e00\u4e0b\u5427", 20, L"\u4f11\u606f\n\u4e00\u4e0b\n\u5427"},
                    TWrapCase{"NarrowerThanACharacter", L"abc", 5, L"a\nb\nc"},
                    TWrapCase{"Empty", L"", 50, L""},
                    TWrapCase{"OnlySpaces", L"   ", 50, L""}),
    [](const testing::TestParamInfo<TWrapCase>& entry) { return entry.param.name; });

}  // namespace
