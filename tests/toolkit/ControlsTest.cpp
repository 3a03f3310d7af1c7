#include "toolkit/TControlButton.h"
#include "toolkit/TControlCancelHandler.h"
#include "toolkit/TControlText.h"
#include "toolkit/TControlTimePicker.h"
#include "toolkit/GdiHolders.h"
#include "toolkit/TextLines.h"

#include "TRecordingControl.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using TLog = std::vector<std::string>;

enum class TCommand { ClickDefault, ClickPlain, Ok, OkFromAnotherWindow, Cancel, ClickFromStranger, MenuItem };

class CommandTest : public testing::TestWithParam<std::pair<TCommand, TLog>> {};

// A default button, a plain button, a cancel handler and a recorder of the commands they leave;
// first without callbacks, when the commands for them are consumed all the same, then with them.
TEST_P(CommandTest, ReachesOnlyTheControlItIsFor) {
    TLog log;
    TWindow window(L"commands", false, nullptr);
    TControlButton defaultButton(window, L"OK", true);
    TControlButton plainButton(window, L"Other", false);
    TControlCancelHandler cancelHandler(window);
    const TRecordingControl recorder(window, log, "passed on", WM_COMMAND);
    const auto send = [&] {
        const auto notify = [&](WORD id, WORD code, HWND from) {
            SendMessageW(window.GetHandle(), WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(from));
        };
        const auto click = [](const TControlButton& button) { SendMessageW(button.GetHandle(), BM_CLICK, 0, 0); };
        switch (GetParam().first) {
        case TCommand::ClickDefault:
            return click(defaultButton);
        case TCommand::ClickPlain:
            return click(plainButton);
        case TCommand::Ok:
            return notify(IDOK, 0, nullptr);
        case TCommand::OkFromAnotherWindow:
            return notify(IDOK, 5, plainButton.GetHandle());
        case TCommand::Cancel:
            return notify(IDCANCEL, 0, nullptr);
        case TCommand::ClickFromStranger:
            return notify(0, BN_CLICKED, window.GetHandle());
        case TCommand::MenuItem:
            return notify(7, 0, nullptr);
        }
    };
    const TLog& expected = GetParam().second;

    send();
    EXPECT_EQ(log, expected.front() == "passed on" ? expected : TLog{});
    log.clear();
    defaultButton.SetOnClick([&] { log.push_back("default"); });
    plainButton.SetOnClick([&] { log.push_back("plain"); });
    cancelHandler.SetOnCancel([&] { log.push_back("cancel"); });
    send();
    EXPECT_EQ(log, expected);
}

INSTANTIATE_TEST_SUITE_P(Commands, CommandTest,
                         testing::Values(std::pair{TCommand::ClickDefault, TLog{"default"}},
                                         std::pair{TCommand::ClickPlain, TLog{"plain"}},
                                         std::pair{TCommand::Ok, TLog{"default"}},
                                         std::pair{TCommand::OkFromAnotherWindow, TLog{"default"}},
                                         std::pair{TCommand::Cancel, TLog{"cancel"}},
                                         std::pair{TCommand::ClickFromStranger, TLog{"passed on"}},
                                         std::pair{TCommand::MenuItem, TLog{"passed on"}}));

class TimePickerTest : public testing::TestWithParam<std::pair<std::string, std::string>> {};

TEST_P(TimePickerTest, ReadsBackAndShowsWhatWasSetInTwoDigitFields) {
    TWindow window(L"picker", false, nullptr);
    TControlTimePicker picker(window, L"HH:mm:ss");
    picker.SetValue("07:08:09");
    picker.SetValue(GetParam().first);
    EXPECT_EQ(picker.GetValue(), GetParam().second);
    wchar_t shown[16] = {};
    GetWindowTextW(picker.GetHandle(), shown, 16);
    EXPECT_EQ(std::string(shown, shown + wcslen(shown)), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Values, TimePickerTest,
                         testing::Values(std::pair{"01:00:00", "01:00:00"}, std::pair{"00:09:05", "00:09:05"},
                                         std::pair{"1:2:3", "01:02:03"}, std::pair{"23:59:59\r", "23:59:59"},
                                         // Not a time of day: the picker keeps its value.
                                         std::pair{"", "07:08:09"}, std::pair{"1:2", "07:08:09"},
                                         std::pair{"ab:cd:ef", "07:08:09"}, std::pair{"24:00:00", "07:08:09"},
                                         std::pair{"10:60:00", "07:08:09"}, std::pair{"-1:00:00", "07:08:09"}));

TSize Measured(HWND window, HFONT font, const std::wstring& text) {
    const TWindowDC dc(window);
    const TSelectedFont selected(dc.GetHandle(), font);
    return MeasureTextLines(dc.GetHandle(), text);
}

TEST(NaturalSizeTest, FollowsTheMeasuredText) {
    TWindow window(L"sizes", false, nullptr);
    const HFONT font = window.GetFont();
    const TSize margin = Measured(window.GetHandle(), font, L"qqqq");
    for (const std::wstring label : {L"OK", L"Back to work", L"Two\nlines"}) {
        SCOPED_TRACE(label);
        const TSize text = Measured(window.GetHandle(), font, label);
        EXPECT_EQ(TControlButton(window, label, false).GetNaturalSize(),
                  TSize(text.width + margin.width, text.height * 3 / 2));
        EXPECT_EQ(TControlText(window, label, TColor(0, 0, 0)).GetNaturalSize(), Measured(nullptr, font, label));
    }
    const TControlTimePicker picker(window, L"");
    const TSize time = Measured(picker.GetHandle(), font, L"22:22:22 AMq");
    EXPECT_EQ(picker.GetNaturalSize(), TSize(time.width * 5 / 4, time.height * 3 / 2));
}

TEST(ChildWindowTest, IsATabStopAndGoesWithItsControl) {
    TWindow window(L"children", false, nullptr);
    auto button = std::make_unique<TControlButton>(window, L"Go", true);
    auto picker = std::make_unique<TControlTimePicker>(window, L"HH:mm:ss");
    const HWND children[] = {button->GetHandle(), picker->GetHandle()};
    for (const HWND child : children) {
        EXPECT_EQ(GetParent(child), window.GetHandle());
        EXPECT_TRUE(GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP);
    }
    button.reset();
    picker.reset();
    EXPECT_FALSE(IsWindow(children[0]) || IsWindow(children[1]));
}

}  // namespace
