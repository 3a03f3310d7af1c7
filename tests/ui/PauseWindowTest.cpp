#include "ui/CentreOnWorkArea.h"
#include "ui/TPauseWindow.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>

namespace {

struct TCentringCase {
    std::int32_t clientWidth;
    std::int32_t controlWidth;
    std::int32_t margin;
    std::int32_t expectedLeft;
};

class CentredLeftTest : public testing::TestWithParam<TCentringCase> {};

TEST_P(CentredLeftTest, CentresButKeepsTheMarginFromTheEdge) {
    const TCentringCase& c = GetParam();
    EXPECT_EQ(CentredLeft(c.clientWidth, c.controlWidth, c.margin), c.expectedLeft);
}

INSTANTIATE_TEST_SUITE_P(Widths, CentredLeftTest,
                         testing::Values(TCentringCase{101, 50, 5, 25},   // halves truncate separately
                                         TCentringCase{300, 100, 5, 100}, //
                                         TCentringCase{100, 89, 5, 6},    //
                                         TCentringCase{100, 90, 5, 5},    // exactly 5 stays 5
                                         TCentringCase{100, 95, 5, 5},    // would be 3
                                         TCentringCase{50, 200, 5, 5},    // wider than the window
                                         TCentringCase{0, 0, 5, 5},       //
                                         TCentringCase{100, 84, 8, 8},    // 144 DPI: would be 8, stays 8
                                         TCentringCase{100, 90, 8, 8},    // would be 5
                                         TCentringCase{100, 95, 10, 10},  // 192 DPI
                                         TCentringCase{200, 100, 10, 50}));

POINT WindowCentre(const TWindow& window) {
    RECT rect{};
    GetWindowRect(window.GetHandle(), &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

POINT PrimaryWorkAreaCentre() {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return POINT{(work.left + work.right) / 2, (work.top + work.bottom) / 2};
}

void ExpectCentredOnPrimaryWorkArea(const TWindow& window) {
    const POINT centre = WindowCentre(window);
    const POINT expected = PrimaryWorkAreaCentre();
    EXPECT_LE(std::abs(centre.x - expected.x), 1);
    EXPECT_LE(std::abs(centre.y - expected.y), 1);
}

class CentreOnWorkAreaTest : public testing::TestWithParam<TPoint> {};

TEST_P(CentreOnWorkAreaTest, MovesTheWindowToTheWorkAreaCentreKeepingItsSize) {
    TWindow window(L"centred", false, nullptr);
    window.Move(GetParam(), TSize(317, 211));
    const TSize before = window.GetSize();

    CentreOnWorkArea(window, MonitorFromWindow(window.GetHandle(), MONITOR_DEFAULTTOPRIMARY));

    EXPECT_EQ(window.GetSize(), before);
    ExpectCentredOnPrimaryWorkArea(window);
}

// The last start lies on no monitor, so the primary one takes the window.
INSTANTIATE_TEST_SUITE_P(Starts, CentreOnWorkAreaTest,
                         testing::Values(TPoint(0, 0), TPoint(900, 550), TPoint(-4000, -4000)));

class PauseWindowTest : public testing::Test {
protected:
    PauseWindowTest() {
        window.OnDismissed = [this] {
            ++dismissals;
            hiddenWhenDismissed = !IsWindowVisible(window.GetHandle()) && !window.IsShown;
            if (onDismissed) {
                onDismissed();
            }
        };
    }

    HWND Button() const { return FindChild(window, L"Button", L"Back to work"); }

    TWindowList dialogWindows;
    TPauseWindow window{dialogWindows, EnglishResourceTexts()};
    int dismissals = 0;
    bool hiddenWhenDismissed = false;
    std::function<void()> onDismissed;
};

TEST_F(PauseWindowTest, StartsHiddenInTheDialogListWithItsButton) {
    EXPECT_EQ(WindowText(window.GetHandle()), L"Pause");
    ASSERT_EQ(dialogWindows.size(), 1u);
    EXPECT_EQ(dialogWindows[0], &window);
    EXPECT_FALSE(IsWindowVisible(window.GetHandle()));
    EXPECT_FALSE(window.IsShown);
    EXPECT_EQ(window.GetTimeLeftText(), nullptr);
    EXPECT_NE(Button(), nullptr);
}

struct TTimeLeftCase {
    std::string remaining;
    std::wstring line;
    bool buttonEnabled;
};

class PauseWindowTimeLeftTest : public PauseWindowTest, public testing::WithParamInterface<TTimeLeftCase> {};

TEST_P(PauseWindowTimeLeftTest, ShowsTheLineAndEnablesTheButtonOnlyWhenOver) {
    const TTimeLeftCase& c = GetParam();
    window.ShowTimeLeft(c.remaining);

    ASSERT_NE(window.GetTimeLeftText(), nullptr);
    EXPECT_EQ(window.GetTimeLeftText()->GetText(), c.line);
    EXPECT_EQ(IsWindowEnabled(Button()) != FALSE, c.buttonEnabled);
    EXPECT_TRUE(IsWindowVisible(window.GetHandle()));
    EXPECT_TRUE(window.IsShown);
}

INSTANTIATE_TEST_SUITE_P(Texts, PauseWindowTimeLeftTest,
                         testing::Values(TTimeLeftCase{"00:04:59", L"Time left: 00:04:59", false},
                                         TTimeLeftCase{"00:00:00", L"Time left: 00:00:00", false},
                                         TTimeLeftCase{"", L"Time left: enough", true},
                                         TTimeLeftCase{"soon", L"Time left: soon", false}));

TEST_F(PauseWindowTest, EveryCallReplacesTheLineAndFollowsTheLatestText) {
    const TControlText* previous = nullptr;
    for (int second = 30; second >= 0; --second) {
        const std::string remaining = second == 0 ? "" : "00:00:" + std::string(second < 10 ? "0" : "") +
                                                             std::to_string(second);
        window.ShowTimeLeft(remaining);
        ASSERT_NE(window.GetTimeLeftText(), nullptr);
        EXPECT_NE(window.GetTimeLeftText(), previous);
        previous = window.GetTimeLeftText();
    }
    EXPECT_EQ(window.GetTimeLeftText()->GetText(), L"Time left: enough");
    EXPECT_TRUE(IsWindowEnabled(Button()));

    window.ShowTimeLeft("00:02:00");
    EXPECT_EQ(window.GetTimeLeftText()->GetText(), L"Time left: 00:02:00");
    EXPECT_FALSE(IsWindowEnabled(Button()));
}

TEST_F(PauseWindowTest, OnlyTheFirstCallBringsTheWindowToTheFront) {
    window.ShowTimeLeft("00:05:00");
    EXPECT_EQ(GetForegroundWindow(), window.GetHandle());

    TWindow other(L"other", false, nullptr);
    other.Show(true);
    ASSERT_EQ(GetForegroundWindow(), other.GetHandle());

    window.ShowTimeLeft("00:04:59");
    EXPECT_EQ(GetForegroundWindow(), other.GetHandle());
    EXPECT_TRUE(window.IsShown);
}

TEST_F(PauseWindowTest, SizesItselfToOneCentredColumn) {
    window.ShowTimeLeft("00:04:59");
    const TControlText& line = *window.GetTimeLeftText();
    TWindow scratch(L"scratch", false, nullptr);
    const TSize titleSize = TControlText(scratch, L"Make a pause :)", window.GetBackgroundColor()).GetNaturalSize();
    const RECT button = ChildRect(Button());
    const SIZE client = ClientSize(window.GetHandle());
    const TSize required = window.GetRequiredSize();

    EXPECT_EQ(client.cx, required.width);
    EXPECT_EQ(client.cy, required.height);
    EXPECT_EQ(line.GetPosition().y, titleSize.height + 10);
    EXPECT_EQ(button.top, line.GetPosition().y + line.GetSize().height + 5);
    EXPECT_EQ(client.cy, button.bottom + 5);
    const LONG widest = std::max({LONG{titleSize.width}, LONG{line.GetSize().width}, button.right - button.left});
    EXPECT_EQ(client.cx, widest + 10);
    EXPECT_LE(std::abs(button.left - (client.cx - button.right)), 1);
    EXPECT_LE(std::abs(line.GetPosition().x - (client.cx - line.GetPosition().x - line.GetSize().width)), 1);
}

TEST_F(PauseWindowTest, RecentresItsControlsWhenWidenedAndItselfOnTheNextUpdate) {
    window.ShowTimeLeft("00:04:59");
    window.Move(TPoint(10, 10), TSize(window.GetSize().width + 300, window.GetSize().height));

    const SIZE client = ClientSize(window.GetHandle());
    const RECT button = ChildRect(Button());
    EXPECT_GT(button.left, 150);
    EXPECT_LE(std::abs(button.left - (client.cx - button.right)), 1);

    window.ShowTimeLeft("00:04:58");
    EXPECT_EQ(ClientSize(window.GetHandle()).cx, window.GetRequiredSize().width);
    ExpectCentredOnPrimaryWorkArea(window);
}

// Two monitors side by side, the pointer over one or the other: a pause that begins takes the work
// area under the pointer, and keeps it while it shows even when the pointer moves on.
TEST_F(PauseWindowTest, BeginsOnTheMonitorUnderThePointerAndStaysThere) {
    const RECT workAreas[] = {{0, 0, 640, 760}, {640, 40, 1280, 800}};
    std::size_t pointerOn = 0;
    window.PointerWorkArea = [&] { return workAreas[pointerOn]; };
    const struct {
        std::size_t pointerOn;
        bool dismissFirst;
        std::size_t centredOn;
    } steps[] = {{1, false, 1}, {0, false, 1}, {0, true, 0}, {1, false, 0}, {1, true, 1}};
    for (const auto& step : steps) {
        SCOPED_TRACE(testing::Message() << "step " << &step - steps);
        if (step.dismissFirst) {
            SendMessageW(window.GetHandle(), WM_CLOSE, 0, 0);
            ASSERT_FALSE(window.IsShown);
        }
        pointerOn = step.pointerOn;
        window.ShowTimeLeft("00:04:59");
        const POINT centre = WindowCentre(window);
        const RECT& area = workAreas[step.centredOn];
        EXPECT_LE(std::abs(centre.x - (area.left + area.right) / 2), 1) << step.pointerOn << step.dismissFirst;
        EXPECT_LE(std::abs(centre.y - (area.top + area.bottom) / 2), 1) << step.pointerOn << step.dismissFirst;
    }
}

enum class TDismissal { CloseBox, Escape, ButtonClick, Enter };

class PauseWindowDismissalTest : public PauseWindowTest, public testing::WithParamInterface<TDismissal> {
protected:
    void Dismiss() {
        switch (GetParam()) {
        case TDismissal::CloseBox:
            SendMessageW(window.GetHandle(), WM_CLOSE, 0, 0);
            break;
        case TDismissal::Escape:
            SendMessageW(window.GetHandle(), WM_COMMAND, IDCANCEL, 0);
            break;
        case TDismissal::ButtonClick:
            SendMessageW(Button(), BM_CLICK, 0, 0);
            break;
        case TDismissal::Enter:
            SendMessageW(window.GetHandle(), WM_COMMAND, IDOK, 0);
            break;
        }
    }
};

TEST_P(PauseWindowDismissalTest, HidesThenCallsOnDismissedOnce) {
    window.ShowTimeLeft("");
    Dismiss();

    EXPECT_EQ(dismissals, 1);
    EXPECT_TRUE(hiddenWhenDismissed);
    EXPECT_FALSE(IsWindowVisible(window.GetHandle()));
    EXPECT_FALSE(window.IsShown);

    window.ShowTimeLeft("00:05:00");
    EXPECT_TRUE(IsWindowVisible(window.GetHandle()));
    EXPECT_TRUE(window.IsShown);
}

TEST_P(PauseWindowDismissalTest, CanBeShownAgainFromInsideTheDismissal) {
    window.ShowTimeLeft("");
    onDismissed = [this] { window.ShowTimeLeft("00:01:00"); };
    Dismiss();

    EXPECT_EQ(dismissals, 1);
    EXPECT_TRUE(IsWindowVisible(window.GetHandle()));
    EXPECT_TRUE(window.IsShown);
    EXPECT_EQ(window.GetTimeLeftText()->GetText(), L"Time left: 00:01:00");
}

INSTANTIATE_TEST_SUITE_P(Routes, PauseWindowDismissalTest,
                         testing::Values(TDismissal::CloseBox, TDismissal::Escape, TDismissal::ButtonClick,
                                         TDismissal::Enter));

TEST(PauseWindowWithoutCallbackTest, DismissalOnlyHides) {
    TWindowList dialogWindows;
    TPauseWindow window(dialogWindows, EnglishResourceTexts());
    window.ShowTimeLeft("");
    SendMessageW(window.GetHandle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(window.GetHandle()));
    EXPECT_FALSE(IsWindowVisible(window.GetHandle()));
    EXPECT_FALSE(window.IsShown);
}

}  // namespace
