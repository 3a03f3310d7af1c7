#include "ui/TConfigurationWindow.h"

#include "core/LocaleWeek.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

class ConfigurationWindowTest : public testing::Test {
protected:
    ConfigurationWindowTest() {
        window.GetIntervalPicker().SetValue("01:00:00");
        window.GetPauseLengthPicker().SetValue("00:05:00");
        window.OnSettingsChanged = [this](const std::string& interval, const std::string& pauseLength,
                                          const TSettingsOptions& options) {
            accepted.emplace_back(interval, pauseLength);
            acceptedOptions.push_back(options);
        };
    }

    HWND Button(const wchar_t* label) const { return FindChild(window, L"Button", label); }
    HWND DimScreensBox() const { return Button(L"Dim the screens during a pause"); }
    HWND EndSoundBox() const { return Button(L"Play a sound when a pause is over"); }

    static std::int32_t LabelWidth(const wchar_t* label) {
        TWindow scratch(L"scratch", false, nullptr);
        return TControlText(scratch, label, TColor(0, 0, 0)).GetNaturalSize().width;
    }

    std::wstring helpFilePath = L"C:/nowhere/Help.chm";
    TWindowList dialogWindows;
    TConfigurationWindow window{dialogWindows, EnglishResourceTexts(), helpFilePath};
    std::vector<std::pair<std::string, std::string>> accepted;
    std::vector<TSettingsOptions> acceptedOptions;
};

TEST_F(ConfigurationWindowTest, StartsHiddenInTheDialogList) {
    EXPECT_EQ(WindowText(window.GetHandle()), L"Configure rest pause");
    ASSERT_EQ(dialogWindows.size(), 1u);
    EXPECT_EQ(dialogWindows[0], &window);
    EXPECT_FALSE(IsWindowVisible(window.GetHandle()));
}

TEST_F(ConfigurationWindowTest, OpenShowsItAtTheRequiredSizeWithTheFocusOnTheInterval) {
    window.Open();

    EXPECT_TRUE(IsWindowVisible(window.GetHandle()));
    EXPECT_EQ(GetForegroundWindow(), window.GetHandle());
    const HWND focus = GetFocus();
    EXPECT_TRUE(focus == window.GetIntervalPicker().GetHandle() ||
                IsChild(window.GetIntervalPicker().GetHandle(), focus));
    const SIZE client = ClientSize(window.GetHandle());
    EXPECT_EQ(client.cx, window.GetRequiredSize().width);
    EXPECT_EQ(client.cy, window.GetRequiredSize().height);
}

TEST_F(ConfigurationWindowTest, LaysOutTwoRowsTheCheckBoxesAndAButtonRow) {
    window.Open();
    // The groups' pickers share the column; their longest label is the eye pauses' interval.
    const std::int32_t labelColumn = std::max({LabelWidth(L"Interval between pauses"), LabelWidth(L"Pause length"),
                                               LabelWidth(L"Interval between eye pauses")});
    const RECT interval = ChildRect(window.GetIntervalPicker().GetHandle());
    const RECT pauseLength = ChildRect(window.GetPauseLengthPicker().GetHandle());
    const RECT ok = ChildRect(Button(L"OK"));
    const RECT cancel = ChildRect(Button(L"Cancel"));
    const RECT help = ChildRect(Button(L"Help"));
    const RECT dimScreens = ChildRect(DimScreensBox());
    const RECT endSound = ChildRect(EndSoundBox());
    const SIZE client = ClientSize(window.GetHandle());

    EXPECT_EQ(interval.left, labelColumn + 10);
    EXPECT_EQ(pauseLength.left, labelColumn + 10);
    EXPECT_EQ(interval.top, 5);
    EXPECT_GE(pauseLength.top, interval.bottom + 5);
    EXPECT_EQ(ok.left, 5);
    EXPECT_EQ(cancel.left, ok.right + 5);
    EXPECT_EQ(help.right, client.cx - 5);
    EXPECT_EQ(dimScreens.left, 5);
    EXPECT_EQ(dimScreens.top, pauseLength.bottom + 5);
    EXPECT_EQ(endSound.left, 5);
    EXPECT_EQ(endSound.top, dimScreens.bottom + 5);
    EXPECT_GT(dimScreens.right - dimScreens.left, LabelWidth(L"Dim the screens during a pause"));
    EXPECT_GT(endSound.right - endSound.left, LabelWidth(L"Play a sound when a pause is over"));
    const RECT eyePauses = ChildRect(Button(L"Short eye pauses"));
    const RECT lastDay = ChildRect(Button(LocaleDayNames()[static_cast<std::size_t>((LocaleFirstWeekday() + 6) % 7)].c_str()));
    EXPECT_EQ(eyePauses.left, 5);
    EXPECT_EQ(eyePauses.top, endSound.bottom + 5);
    EXPECT_EQ(ok.top, lastDay.bottom + 5);
    EXPECT_EQ(cancel.top, ok.top);
    EXPECT_EQ(help.top, ok.top);
    EXPECT_EQ(client.cy, ok.bottom + 5);
    const LONG buttons = (ok.right - ok.left) + (cancel.right - cancel.left) + (help.right - help.left) + 20;
    EXPECT_EQ(client.cx, std::max({interval.right + 5, dimScreens.right + 5, endSound.right + 5,
                                   ChildRect(Button(L"Remind me only in working hours")).right + 5, lastDay.right + 5,
                                   buttons}));
}

TEST_F(ConfigurationWindowTest, HelpFollowsTheRightEdgeWhenWidened) {
    window.Open();
    const RECT okBefore = ChildRect(Button(L"OK"));
    const RECT cancelBefore = ChildRect(Button(L"Cancel"));
    window.Move(window.GetPosition(), TSize(window.GetSize().width + 250, window.GetSize().height));

    const SIZE client = ClientSize(window.GetHandle());
    EXPECT_EQ(ChildRect(Button(L"Help")).right, client.cx - 5);
    EXPECT_EQ(ChildRect(Button(L"OK")).left, okBefore.left);
    EXPECT_EQ(ChildRect(Button(L"Cancel")).left, cancelBefore.left);
}

TEST_F(ConfigurationWindowTest, OpenKeepsAMovedPositionButRestoresTheSize) {
    window.Open();
    const TSize openedSize = window.GetSize();
    window.Move(TPoint(203, 151), TSize(openedSize.width + 120, openedSize.height + 90));
    window.Hide();

    window.Open();
    EXPECT_EQ(window.GetPosition(), TPoint(203, 151));
    EXPECT_EQ(window.GetSize(), openedSize);
}

enum class TAcceptance { OkButton, Enter };

class ConfigurationAcceptTest : public ConfigurationWindowTest, public testing::WithParamInterface<TAcceptance> {
protected:
    void Accept() {
        if (GetParam() == TAcceptance::OkButton) {
            SendMessageW(Button(L"OK"), BM_CLICK, 0, 0);
        } else {
            SendMessageW(window.GetHandle(), WM_COMMAND, IDOK, 0);
        }
    }
};

TEST_P(ConfigurationAcceptTest, HandsOnIntervalThenPauseLengthOnceAndHides) {
    window.Open();
    window.GetIntervalPicker().SetValue("0:45:0");
    window.GetPauseLengthPicker().SetValue("00:02:30");
    Accept();

    ASSERT_EQ(accepted.size(), 1u);
    EXPECT_EQ(accepted[0].first, "00:45:00");
    EXPECT_EQ(accepted[0].second, "00:02:30");
    EXPECT_FALSE(IsWindowVisible(window.GetHandle()));
}

TEST_P(ConfigurationAcceptTest, HandsOnTheOptionsAsTheBoxesShowThem) {
    const struct {
        TSettingsOptions shown;
        bool toggleDim;
        bool toggleSound;
        TSettingsOptions handedOn;
    } cases[] = {{{false, true}, false, false, {false, true}},
                 {{false, true}, true, true, {true, false}},
                 {{true, false}, false, true, {true, true}},
                 {{true, true}, true, false, {false, true}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.shown.dimScreens << c.shown.endSound << c.toggleDim << c.toggleSound);
        acceptedOptions.clear();
        window.SetOptions(c.shown);
        window.Open();
        EXPECT_EQ(window.GetOptions(), c.shown);
        if (c.toggleDim) {
            SendMessageW(DimScreensBox(), BM_CLICK, 0, 0);
        }
        if (c.toggleSound) {
            SendMessageW(EndSoundBox(), BM_CLICK, 0, 0);
        }
        Accept();
        ASSERT_EQ(acceptedOptions.size(), 1u);
        EXPECT_EQ(acceptedOptions[0], c.handedOn);
    }
}

TEST_P(ConfigurationAcceptTest, WithoutCallbackOnlyHides) {
    window.OnSettingsChanged = nullptr;
    window.Open();
    Accept();
    EXPECT_TRUE(IsWindow(window.GetHandle()));
    EXPECT_FALSE(IsWindowVisible(window.GetHandle()));
}

INSTANTIATE_TEST_SUITE_P(Routes, ConfigurationAcceptTest, testing::Values(TAcceptance::OkButton, TAcceptance::Enter));

enum class TCancellation { CancelButton, Escape, CloseBox };

class ConfigurationCancelTest : public ConfigurationWindowTest, public testing::WithParamInterface<TCancellation> {
protected:
    void Cancel() {
        switch (GetParam()) {
        case TCancellation::CancelButton:
            SendMessageW(Button(L"Cancel"), BM_CLICK, 0, 0);
            break;
        case TCancellation::Escape:
            SendMessageW(window.GetHandle(), WM_COMMAND, IDCANCEL, 0);
            break;
        case TCancellation::CloseBox:
            SendMessageW(window.GetHandle(), WM_CLOSE, 0, 0);
            break;
        }
    }
};

TEST_P(ConfigurationCancelTest, HidesWithoutHandingOnAndKeepsTheEditedValues) {
    window.Open();
    window.GetIntervalPicker().SetValue("00:20:00");
    SendMessageW(DimScreensBox(), BM_CLICK, 0, 0);
    Cancel();

    EXPECT_TRUE(accepted.empty());
    EXPECT_TRUE(IsWindow(window.GetHandle()));
    EXPECT_FALSE(IsWindowVisible(window.GetHandle()));

    window.Open();
    EXPECT_EQ(window.GetIntervalPicker().GetValue(), "00:20:00");
    EXPECT_EQ(window.GetPauseLengthPicker().GetValue(), "00:05:00");
    EXPECT_EQ(window.GetOptions(), (TSettingsOptions{true, false})) << "the box toggled from the unticked start";
}

// Tab goes from the pickers through the boxes to the buttons, and back the same way; the groups'
// pickers and days are off with their boxes (see OptionGroupsTest).
TEST_F(ConfigurationWindowTest, TabsFromThePickersThroughTheCheckBoxesToTheButtons) {
    window.Open();
    const HWND order[] = {window.GetIntervalPicker().GetHandle(), window.GetPauseLengthPicker().GetHandle(),
                          DimScreensBox(), EndSoundBox(), Button(L"Short eye pauses"),
                          Button(L"Remind me only in working hours"), Button(L"OK"), Button(L"Cancel"),
                          Button(L"Help")};
    for (std::size_t index = 0; index + 1 < std::size(order); ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(GetNextDlgTabItem(window.GetHandle(), order[index], FALSE), order[index + 1]);
        EXPECT_EQ(GetNextDlgTabItem(window.GetHandle(), order[index + 1], TRUE), order[index]);
    }
}

INSTANTIATE_TEST_SUITE_P(Routes, ConfigurationCancelTest,
                         testing::Values(TCancellation::CancelButton, TCancellation::Escape, TCancellation::CloseBox));

}  // namespace
