#include "toolkit/Dpi.h"
#include "toolkit/TFont.h"
#include "toolkit/GdiHolders.h"
#include "toolkit/TextLines.h"
#include "ui/TConfigurationWindow.h"
#include "ui/TPauseWindow.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct TScaleCase {
    std::int32_t lengthAt96;
    std::int32_t dpi;
    std::int32_t expected;
};

class ScaleToDpiTest : public testing::TestWithParam<TScaleCase> {};

TEST_P(ScaleToDpiTest, ScalesByDpiOver96AndRoundsToTheNearestPixel) {
    const TScaleCase& c = GetParam();
    EXPECT_EQ(ScaleToDpi(c.lengthAt96, c.dpi), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Lengths, ScaleToDpiTest,
                         testing::Values(TScaleCase{5, 96, 5}, TScaleCase{10, 96, 10},   //
                                         TScaleCase{5, 120, 6},                          // 6.25
                                         TScaleCase{5, 144, 8},                          // 7.5 rounds up
                                         TScaleCase{10, 144, 15},                        //
                                         TScaleCase{5, 168, 9},                          // 8.75
                                         TScaleCase{5, 192, 10}, TScaleCase{0, 192, 0},  //
                                         TScaleCase{5, 288, 15}, TScaleCase{-5, 144, -8}));

TSize Measure(HFONT font, const std::wstring& text) {
    const TWindowDC screen(nullptr);
    const TSelectedFont selected(screen.GetHandle(), font);
    return MeasureTextLines(screen.GetHandle(), text);
}

// Within a tenth and a pixel of the exact proportion: fonts are hinted to whole pixels.
void ExpectProportional(std::int32_t actual, std::int32_t before, std::int32_t dpiBefore, std::int32_t dpi) {
    const double expected = static_cast<double>(before) * dpi / dpiBefore;
    EXPECT_NEAR(actual, expected, expected / 10 + 1) << "at " << dpi << " DPI";
}

TEST(WindowDpiTest, ANewWindowTakesTheDpiOfTheScreenAndAFontForIt) {
    TWindow window(L"dpi", false, nullptr);
    EXPECT_EQ(window.GetDpi(), WindowDpi(window.GetHandle()));
    EXPECT_EQ(window.GetDpi(), SystemDpi());
    EXPECT_NE(window.GetFont(), nullptr);
    const TFont font(window.GetDpi());
    EXPECT_EQ(Measure(window.GetFont(), L"Interval between pauses"), Measure(font.GetHandle(), L"Interval between pauses"));
}

// Lets the window manager answer for a window just shown or moved: under Wine a late answer
// would otherwise put back the size the window had before.
void Settle() {
    for (int round = 0; round < 30; ++round) {
        DrainMessages();
        Sleep(10);
    }
}

class DpiTest : public testing::TestWithParam<std::int32_t> {
protected:
    // Wine sizes window frames at the system DPI only, so a window cannot be made narrower than a
    // frame of the system DPI allows: only DPIs from the system's up are tried.
    void SetUp() override {
        if (Dpi() < SystemDpi()) {
            GTEST_SKIP() << "below the system DPI " << SystemDpi();
        }
    }

    std::int32_t Dpi() const { return GetParam(); }
    std::int32_t Gap() const { return ScaleToDpi(5, Dpi()); }

    // What the system sends when the window lands on a monitor of another DPI: the new DPI and
    // the window rectangle scaled to it.
    static void SendDpiChange(TWindow& window, std::int32_t dpi) {
        RECT proposed{};
        GetWindowRect(window.GetHandle(), &proposed);
        const std::int32_t old = window.GetDpi();
        proposed.right = proposed.left + MulDiv(proposed.right - proposed.left, dpi, old);
        proposed.bottom = proposed.top + MulDiv(proposed.bottom - proposed.top, dpi, old);
        SendMessageW(window.GetHandle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&proposed));
        Settle();
    }

    // Every child in the client area with at least the margin around it, in the window's font, and
    // large enough for its text in that font.
    void ExpectChildrenFit(const TWindow& window) const {
        const SIZE client = ClientSize(window.GetHandle());
        int count = 0;
        for (HWND child = GetWindow(window.GetHandle(), GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            ++count;
            const RECT rect = ChildRect(child);
            const std::wstring text = WindowText(child);
            EXPECT_GE(rect.left, Gap()) << "child " << count;
            EXPECT_GE(rect.top, Gap()) << "child " << count;
            EXPECT_LE(rect.right, client.cx - Gap()) << "child " << count;
            EXPECT_LE(rect.bottom, client.cy - Gap()) << "child " << count;
            EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)), window.GetFont());
            // A button shows its label, a picker its time (the label "Time" is not shown).
            const TSize shown = Measure(window.GetFont(), text == L"Time" ? L"00:00:00" : text);
            EXPECT_LT(shown.width, rect.right - rect.left) << "child " << count;
            EXPECT_LT(shown.height, rect.bottom - rect.top) << "child " << count;
        }
        EXPECT_GT(count, 0);
    }

    // After a change of DPI: the window at the new DPI, its client area the size its layout asks for
    // and in proportion to the size before, every child fitting. Gives the client size.
    template <typename TLaidOutWindow>
    SIZE ExpectRelaidOut(const TLaidOutWindow& window, SIZE before, std::int32_t dpiBefore) const {
        EXPECT_EQ(window.GetDpi(), Dpi());
        const SIZE client = ClientSize(window.GetHandle());
        EXPECT_EQ(client.cx, window.GetRequiredSize().width);
        EXPECT_EQ(client.cy, window.GetRequiredSize().height);
        ExpectProportional(client.cx, before.cx, dpiBefore, Dpi());
        ExpectProportional(client.cy, before.cy, dpiBefore, Dpi());
        ExpectChildrenFit(window);
        return client;
    }

    static std::int32_t TextHeight(const TWindow& window) { return Measure(window.GetFont(), L"Hg").height; }
};

TEST_P(DpiTest, TheFontForADpiGrowsWithIt) {
    const TFont font96(DefaultDpi);
    const TFont font(Dpi());
    const TSize at96 = Measure(font96.GetHandle(), L"Interval between pauses");
    const TSize scaled = Measure(font.GetHandle(), L"Interval between pauses");
    ExpectProportional(scaled.width, at96.width, DefaultDpi, Dpi());
    ExpectProportional(scaled.height, at96.height, DefaultDpi, Dpi());
}

TEST_P(DpiTest, TheConfigurationWindowLaysItselfOutAgainAtTheNewDpi) {
    TWindowList dialogWindows;
    const std::wstring helpFile = L"C:/nowhere/Help.chm";
    TConfigurationWindow window(dialogWindows, EnglishResourceTexts(), helpFile);
    window.Open();
    Settle();
    const std::int32_t dpiBefore = window.GetDpi();
    const SIZE before = ClientSize(window.GetHandle());
    const std::int32_t textBefore = TextHeight(window);

    SendDpiChange(window, Dpi());

    const SIZE client = ExpectRelaidOut(window, before, dpiBefore);
    ExpectProportional(TextHeight(window), textBefore, dpiBefore, Dpi());

    const std::int32_t labels = std::max({Measure(window.GetFont(), L"Interval between pauses").width,
                                          Measure(window.GetFont(), L"Pause length").width,
                                          Measure(window.GetFont(), L"Interval between eye pauses").width});
    const RECT interval = ChildRect(window.GetIntervalPicker().GetHandle());
    const RECT ok = ChildRect(FindChild(window, L"Button", L"OK"));
    const RECT cancel = ChildRect(FindChild(window, L"Button", L"Cancel"));
    const RECT help = ChildRect(FindChild(window, L"Button", L"Help"));
    EXPECT_EQ(interval.left, Gap() + labels + Gap());
    EXPECT_EQ(interval.top, Gap());
    EXPECT_EQ(ok.left, Gap());
    EXPECT_EQ(cancel.left, ok.right + Gap());
    EXPECT_EQ(help.right, client.cx - Gap());
    EXPECT_EQ(client.cy, ok.bottom + Gap());
    // Whole on a 1366x768 screen at 150 %, above a taskbar of 60 pixels.
    if (Dpi() == 144) {
        EXPECT_LE(window.GetSize().width, 1366);
        EXPECT_LE(window.GetSize().height, 768 - 60);
    }
}

TEST_P(DpiTest, ThePauseWindowLaysItselfOutAgainAtTheNewDpi) {
    TWindowList dialogWindows;
    TPauseWindow window(dialogWindows, EnglishResourceTexts());
    window.ShowTimeLeft("00:04:59");
    Settle();
    const std::int32_t dpiBefore = window.GetDpi();
    const SIZE before = ClientSize(window.GetHandle());

    SendDpiChange(window, Dpi());

    const SIZE client = ExpectRelaidOut(window, before, dpiBefore);

    const TControlText& line = *window.GetTimeLeftText();
    EXPECT_EQ(line.GetSize(), Measure(window.GetFont(), L"Time left: 00:04:59"));
    EXPECT_GE(line.GetPosition().x, Gap());
    EXPECT_LE(line.GetPosition().x + line.GetSize().width, client.cx - Gap());
    const TSize title = Measure(window.GetFont(), L"Make a pause :)");
    EXPECT_EQ(line.GetPosition().y, Gap() + title.height + Gap());

    // The next second keeps the new DPI.
    window.ShowTimeLeft("00:04:58");
    EXPECT_EQ(ClientSize(window.GetHandle()).cx, client.cx);
    window.Hide();
}

INSTANTIATE_TEST_SUITE_P(Dpis, DpiTest, testing::Values(96, 120, 144, 192));

POINT WorkAreaCentreAt(POINT point) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    GetMonitorInfoW(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), &info);
    return POINT{(info.rcWork.left + info.rcWork.right) / 2, (info.rcWork.top + info.rcWork.bottom) / 2};
}

class ConfigurationPlacementTest : public testing::TestWithParam<POINT> {};

TEST_P(ConfigurationPlacementTest, OpensCentredOnTheWorkAreaOfTheMonitorUnderTheMouse) {
    ASSERT_TRUE(SetCursorPos(GetParam().x, GetParam().y));
    TWindowList dialogWindows;
    const std::wstring helpFile = L"C:/nowhere/Help.chm";
    TConfigurationWindow window(dialogWindows, EnglishResourceTexts(), helpFile);
    window.Open();

    RECT rect{};
    GetWindowRect(window.GetHandle(), &rect);
    POINT cursor{};
    GetCursorPos(&cursor);
    const POINT expected = WorkAreaCentreAt(cursor);
    EXPECT_LE(std::abs((rect.left + rect.right) / 2 - expected.x), 1);
    EXPECT_LE(std::abs((rect.top + rect.bottom) / 2 - expected.y), 1);
}

// The last point lies off every monitor: the nearest one takes the window.
INSTANTIATE_TEST_SUITE_P(Pointers, ConfigurationPlacementTest,
                         testing::Values(POINT{10, 10}, POINT{1000, 700}, POINT{-3000, 200}));

}  // namespace
