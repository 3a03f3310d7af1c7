#include "ui/TPauseWindow.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

struct TIdeaCase {
    const char* name;
    std::wstring idea;
    // The idea's lines joined again: by a space where words were broken, by nothing otherwise.
    const wchar_t* joiner;
    bool wrapped;
};

class PauseIdeaTest : public testing::TestWithParam<TIdeaCase> {
protected:
    TWindowList dialogWindows;
    TPauseWindow window{dialogWindows, EnglishResourceTexts()};
};

std::wstring Joined(std::wstring lines, const std::wstring& joiner) {
    for (std::size_t at = lines.find(L'\n'); at != std::wstring::npos; at = lines.find(L'\n', at)) {
        lines.replace(at, 1, joiner);
    }
    return lines;
}

// Under the heading and over the time left, 5 pixels from each, centred, no wider than 300 pixels
// but for a line of one character, and read after the heading.
TEST_P(PauseIdeaTest, StandsUnderTheHeadingWrappedAndIsReadAfterIt) {
    const TIdeaCase& c = GetParam();
    window.SetIdea(c.idea);
    window.ShowTimeLeft("00:04:59");
    const TControlText& idea = *window.GetIdeaText();
    const TControlText& line = *window.GetTimeLeftText();
    TWindow scratch(L"scratch", false, nullptr);
    const TSize titleSize = TControlText(scratch, L"Make a pause :)", window.GetBackgroundColor()).GetNaturalSize();
    const SIZE client = ClientSize(window.GetHandle());

    EXPECT_EQ(Joined(idea.GetText(), c.joiner), c.idea);
    EXPECT_EQ(idea.GetText().find(L'\n') != std::wstring::npos, c.wrapped);
    EXPECT_LE(idea.GetSize().width, 300);
    EXPECT_EQ(idea.GetPosition().y, 5 + titleSize.height + 5);
    EXPECT_EQ(line.GetPosition().y, idea.GetPosition().y + idea.GetSize().height + 5);
    EXPECT_LE(std::abs(idea.GetPosition().x - (client.cx - idea.GetPosition().x - idea.GetSize().width)), 1);
    EXPECT_GE(client.cx, idea.GetSize().width + 10);
    EXPECT_EQ(window.GetAccessibleDescription(), L"Make a pause :) " + c.idea + L" Time left: 00:04:59");

    const std::vector<TAccessibleItem> items = window.GetAccessibleItems();
    ASSERT_GE(items.size(), 3u);
    EXPECT_EQ(items[0].name, L"Make a pause :)");
    EXPECT_EQ(items[1].name, idea.GetText());
    EXPECT_EQ(items[2].name, L"Time left: 00:04:59");
}

INSTANTIATE_TEST_SUITE_P(
    Ideas, PauseIdeaTest,
    testing::Values(TIdeaCase{"Short", L"Get yourself a glass of water.", L" ", false},
                    TIdeaCase{"Long", L"Faites rouler lentement vos \u00e9paules, vers l'avant puis vers l'arri\u00e8re, "
                                      L"et recommencez une fois encore.", L" ", true},
                    TIdeaCase{"WithoutSpaces", std::wstring(60, L'\u4f11'), L"", true}),
    [](const testing::TestParamInfo<TIdeaCase>& entry) { return entry.param.name; });

TEST(PauseIdeaGone, LeavesTheWindowAsWithoutAnIdea) {
    TWindowList dialogWindows;
    TPauseWindow window(dialogWindows, EnglishResourceTexts());
    window.SetIdea(L"Walk to a window and look outside.");
    window.SetIdea(L"");
    window.ShowTimeLeft("");
    EXPECT_EQ(window.GetIdeaText(), nullptr);
    EXPECT_EQ(window.GetAccessibleDescription(), L"Make a pause :) Time left: enough");
}

}  // namespace
