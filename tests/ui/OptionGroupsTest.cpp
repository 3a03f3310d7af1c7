#include "ui/TConfigurationWindow.h"

#include "core/LocaleWeek.h"

#include "TCaseName.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The configuration window's eye pause and working-hours groups, in English.
class OptionGroupsTest : public testing::Test {
protected:
    OptionGroupsTest() {
        window.GetIntervalPicker().SetValue("01:00:00");
        window.GetPauseLengthPicker().SetValue("00:05:00");
        window.OnSettingsChanged = [this](const std::string&, const std::string&, const TSettingsOptions& options) {
            accepted.push_back(options);
        };
    }

    HWND Button(const std::wstring& label) const { return FindChild(window, L"Button", label.c_str()); }
    std::vector<HWND> Pickers() const {
        std::vector<HWND> pickers;
        EnumChildWindows(
            window.GetHandle(),
            [](HWND child, LPARAM found) {
                wchar_t name[32] = {};
                GetClassNameW(child, name, 32);
                if (std::wstring(name) == L"SysDateTimePick32") {
                    reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&pickers));
        return pickers;
    }
    // The day boxes in the order the window shows them, the locale's.
    std::vector<HWND> Days() const {
        std::vector<HWND> days;
        for (int place = 0; place < 7; ++place) {
            days.push_back(Button(LocaleDayNames()[static_cast<std::size_t>((LocaleFirstWeekday() + place) % 7)]));
        }
        return days;
    }
    void Ok() { SendMessageW(Button(L"OK"), BM_CLICK, 0, 0); }

    std::wstring helpFilePath = L"C:/nowhere/Help.chm";
    TWindowList dialogWindows;
    TConfigurationWindow window{dialogWindows, EnglishResourceTexts(), helpFilePath};
    std::vector<TSettingsOptions> accepted;
};

TEST_F(OptionGroupsTest, PickersAndDaysAreUsableOnlyWhileTheirBoxIsChecked) {
    window.Open();
    const std::vector<HWND> pickers = Pickers();
    ASSERT_EQ(pickers.size(), 6u);
    for (std::size_t index = 2; index < 6; ++index) {
        EXPECT_FALSE(IsWindowEnabled(pickers[index])) << index;
    }
    SendMessageW(Button(L"Short eye pauses"), BM_CLICK, 0, 0);
    EXPECT_TRUE(IsWindowEnabled(pickers[2]));
    EXPECT_TRUE(IsWindowEnabled(pickers[3]));
    EXPECT_FALSE(IsWindowEnabled(pickers[4]));
    EXPECT_FALSE(IsWindowEnabled(Days()[0]));
    SendMessageW(Button(L"Remind me only in working hours"), BM_CLICK, 0, 0);
    EXPECT_TRUE(IsWindowEnabled(pickers[5]));
    EXPECT_TRUE(IsWindowEnabled(Days()[6]));
    SendMessageW(Button(L"Short eye pauses"), BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindowEnabled(pickers[2]));
}

TEST_F(OptionGroupsTest, TabsTopToBottomThroughBothGroups) {
    TSettingsOptions options;
    options.eyePauses = true;
    options.workingHours = true;
    window.SetOptions(options);
    window.Open();
    const std::vector<HWND> pickers = Pickers();
    std::vector<HWND> order = {pickers[0], pickers[1], Button(L"Dim the screens during a pause"),
                               Button(L"Play a sound when a pause is over"), Button(L"Short eye pauses"),
                               pickers[2], pickers[3], Button(L"Remind me only in working hours"), pickers[4],
                               pickers[5]};
    for (HWND day : Days()) {
        order.push_back(day);
    }
    order.push_back(Button(L"OK"));
    for (std::size_t index = 0; index + 1 < order.size(); ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(GetNextDlgTabItem(window.GetHandle(), order[index], FALSE), order[index + 1]);
        EXPECT_LT(ChildRect(order[index]).top, ChildRect(order[index + 1]).top + 1) << "top to bottom";
    }
}

TEST_F(OptionGroupsTest, OptionsGoInAndComeOutWithTheDaysByWeekday) {
    TSettingsOptions options;
    options.eyePauses = true;
    options.eyePauseInterval = "00:30:00";
    options.eyePauseLength = "00:00:45";
    options.workingHours = true;
    options.workingHoursFrom = "22:00:00";
    options.workingHoursTo = "06:00:00";
    // Monday and Saturday.
    options.workingDays = 0x21;
    window.SetOptions(options);
    EXPECT_EQ(window.GetOptions(), options);
    EXPECT_EQ(SendMessageW(Button(LocaleDayNames()[5]), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(Button(LocaleDayNames()[1]), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

struct TRefusalCase {
    const char* name;
    TSettingsOptions options;
    // The picker the refusal is said beside and focused; the days' row for -1.
    int picker;
    std::wstring text;
};

TSettingsOptions Refused(const char* eyeLength, const char* to, std::uint8_t days) {
    TSettingsOptions options;
    options.eyePauses = true;
    options.eyePauseInterval = "00:10:00";
    options.eyePauseLength = eyeLength;
    options.workingHours = true;
    options.workingHoursFrom = "08:00:00";
    options.workingHoursTo = to;
    options.workingDays = days;
    return options;
}

class OkRefuses : public OptionGroupsTest, public testing::WithParamInterface<TRefusalCase> {};

TEST_P(OkRefuses, SaysWhyBesideTheControlAndSavesNothingUntilMended) {
    window.SetOptions(GetParam().options);
    window.Open();
    const TSize before = window.GetRequiredSize();
    Ok();
    EXPECT_TRUE(accepted.empty());
    EXPECT_TRUE(IsWindowVisible(window.GetHandle()));
    // Said on the row of its control, right of it, and the control (the first day) has the focus.
    const TControlText* said = window.GetProblemText();
    ASSERT_NE(said, nullptr);
    EXPECT_EQ(said->GetText(), GetParam().text);
    const HWND control = GetParam().picker >= 0 ? Pickers()[static_cast<std::size_t>(GetParam().picker)] : Days()[6];
    EXPECT_EQ(said->GetPosition().y, ChildRect(control).top);
    EXPECT_EQ(said->GetPosition().x, ChildRect(control).right + 5);
    EXPECT_LE(said->GetPosition().x + said->GetSize().width + 5, ClientSize(window.GetHandle()).cx);
    const HWND focused = GetFocus();
    const HWND expected = GetParam().picker >= 0 ? control : Days()[0];
    EXPECT_TRUE(focused == expected || IsChild(expected, focused));

    window.SetOptions(Refused("00:00:20", "18:00:00", 0x1F));
    Ok();
    ASSERT_EQ(accepted.size(), 1u);
    EXPECT_EQ(accepted[0], Refused("00:00:20", "18:00:00", 0x1F));
    EXPECT_FALSE(IsWindowVisible(window.GetHandle()));
    EXPECT_EQ(window.GetProblemText(), nullptr);
    EXPECT_EQ(window.GetRequiredSize(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Checks, OkRefuses,
    testing::Values(TRefusalCase{"EyePauseAsLongAsItsInterval", Refused("00:10:00", "18:00:00", 0x1F), 3,
                                 L"Must be shorter than the interval"},
                    TRefusalCase{"SameFromAndTo", Refused("00:00:20", "08:00:00", 0x1F), 5,
                                 L"Must not be the same time as From"},
                    TRefusalCase{"NoDay", Refused("00:00:20", "18:00:00", 0), -1, L"Choose at least one day"}),
    TCaseName());

}  // namespace
