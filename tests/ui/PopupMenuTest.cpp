#include "ui/ShowPopupMenu.h"
#include "ui/TrayHandlers.h"

#include "TCaseName.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// What the open menu held, read from its menu window while it was tracked.
struct TMenuSeen {
    bool open = false;
    std::vector<std::wstring> items;
    std::vector<bool> enabled;
    std::vector<std::vector<std::wstring>> subItems;
    int defaultIndex = -2;
};

std::wstring ItemText(HMENU menu, int position) {
    wchar_t text[64] = {};
    GetMenuStringW(menu, static_cast<UINT>(position), text, 64, MF_BYPOSITION);
    return text;
}

HWND OpenMenuWindow() {
    return FindWindowW(L"#32768", nullptr);
}

void ReadMenu(TMenuSeen& seen) {
    const HWND menuWindow = OpenMenuWindow();
    const auto menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    seen.open = menuWindow != nullptr && menu != nullptr;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        seen.items.push_back(ItemText(menu, i));
        seen.enabled.push_back((GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_GRAYED) == 0);
        const HMENU submenu = GetSubMenu(menu, i);
        seen.subItems.emplace_back();
        for (int j = 0; submenu != nullptr && j < GetMenuItemCount(submenu); ++j) {
            seen.subItems.back().push_back(ItemText(submenu, j));
        }
    }
    seen.defaultIndex = static_cast<int>(GetMenuDefaultItem(menu, TRUE, 0));
}

// Chooses the item at the position by keyboard, and with a sub-position the item of its submenu
// (Right opens it on its first item); a negative position closes the menu with Esc.
void ChooseItem(int position, int subPosition) {
    const HWND menuWindow = OpenMenuWindow();
    for (int i = 0; i <= position; ++i) {
        PostMessageW(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
    }
    if (position >= 0 && subPosition >= 0) {
        PostMessageW(menuWindow, WM_KEYDOWN, VK_RIGHT, 0);
        for (int i = 0; i < subPosition; ++i) {
            PostMessageW(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
        }
    }
    PostMessageW(menuWindow, WM_KEYDOWN, position < 0 ? VK_ESCAPE : VK_RETURN, 0);
}

// Runs the menu, driven from a timer inside its own loop; EndMenu bounds the wait if driving fails.
template <typename TShow>
auto RunMenu(int position, TMenuSeen& seen, TShow show, int subPosition = -1) {
    TDelayedAction drive([&] {
        ReadMenu(seen);
        ChooseItem(position, subPosition);
    }, 200);
    TDelayedAction safety([] { EndMenu(); }, 5000);
    return show();
}

struct TChoiceCase {
    int position;
    int expected;
};

class PopupMenuChoiceTest : public testing::TestWithParam<TChoiceCase> {};

TEST_P(PopupMenuChoiceTest, ReturnsTheChosenIndexOrMinusOne) {
    TMenuSeen seen;
    const int result = RunMenu(GetParam().position, seen, [] { return ShowPopupMenu({L"One", L"Two", L"Three"}, 0); });
    EXPECT_EQ(result, GetParam().expected);
    ASSERT_TRUE(seen.open);
    EXPECT_EQ(seen.items, (std::vector<std::wstring>{L"One", L"Two", L"Three"}));
    EXPECT_EQ(seen.defaultIndex, 0);
}

INSTANTIATE_TEST_SUITE_P(Choices, PopupMenuChoiceTest,
                         testing::Values(TChoiceCase{0, 0}, TChoiceCase{1, 1}, TChoiceCase{2, 2},
                                         TChoiceCase{-1, -1}));

TEST(PopupMenuTest, MarksNoDefaultForMinusOne) {
    TMenuSeen seen;
    const int result = RunMenu(-1, seen, [] { return ShowPopupMenu({L"One", L"Two"}, -1); });
    EXPECT_EQ(result, -1);
    ASSERT_TRUE(seen.open);
    EXPECT_EQ(seen.defaultIndex, -1);
}

TEST(PopupMenuTest, EmptyListYieldsMinusOne) {
    TDelayedAction safety([] { EndMenu(); }, 2000);
    EXPECT_EQ(ShowPopupMenu({}, -1), -1);
}

TEST(PopupMenuTest, ReturnsTheChosenSubItemAndNothingForADisabledItem) {
    const std::vector<TMenuItem> items{{L"One"}, {L"Two", true, {L"A", L"B", L"C"}}, {L"Three", false}, {L"Four"}};
    const struct {
        int position;
        int subPosition;
        TMenuChoice expected;
    } cases[] = {{1, 0, {1, 0}}, {1, 2, {1, 2}}, {3, -1, {3, -1}}, {2, -1, {}}, {0, -1, {0, -1}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.position << "/" << c.subPosition);
        TMenuSeen seen;
        const TMenuChoice result = RunMenu(c.position, seen, [&] { return ShowPopupMenuItems(items, 0); }, c.subPosition);
        EXPECT_EQ(result, c.expected) << c.position << "/" << c.subPosition;
        EXPECT_EQ(seen.items, (std::vector<std::wstring>{L"One", L"Two", L"Three", L"Four"}));
        EXPECT_EQ(seen.enabled, (std::vector<bool>{true, true, false, true}));
        EXPECT_EQ(seen.subItems[1], (std::vector<std::wstring>{L"A", L"B", L"C"}));
        EXPECT_TRUE(seen.subItems[2].empty());
    }
}

class TrayMenuTest : public testing::Test {
protected:
    bool QuitPosted() {
        MSG message;
        return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
    }

    // The pause of the reminders as the tray offers it, recording what the menu asks of it.
    TReminderPauseMenu Reminders(bool available, bool paused) {
        TReminderPauseMenu reminders;
        reminders.available = available;
        reminders.paused = paused;
        reminders.onPause = [this](TReminderPause::TChoice choice) { pauses.push_back(choice); };
        reminders.onResume = [this] { ++resumes; };
        return reminders;
    }
    // "Take a pause now" as the tray offers it, counting the pauses taken.
    TPauseNowMenu PauseNow(bool available) {
        TPauseNowMenu pauseNow;
        pauseNow.available = available;
        pauseNow.onTake = [this] { ++pausesTaken; };
        return pauseNow;
    }
    void ShowTrayMenu(int position, const TReminderPauseMenu& reminders, int subPosition = -1,
                      const TPauseNowMenu& pauseNow = {}) {
        RunMenu(position, seen, [&] { OnTrayMenu(configWindow, EnglishResourceTexts(), helpFilePath, reminders, pauseNow); return 0; }, subPosition);
    }

    std::wstring helpFilePath = L"C:/nowhere/Help.chm";
    TWindowList dialogWindows;
    TConfigurationWindow configWindow{dialogWindows, EnglishResourceTexts(), helpFilePath};
    TMenuSeen seen;
    std::vector<TReminderPause::TChoice> pauses;
    int resumes = 0;
    int pausesTaken = 0;
};

TEST_F(TrayMenuTest, OffersConfigureHelpPauseRemindersTakeAPauseNowCloseWithConfigureAsDefault) {
    ShowTrayMenu(-1, Reminders(true, false));
    ASSERT_TRUE(seen.open);
    EXPECT_EQ(seen.items,
              (std::vector<std::wstring>{L"Configure", L"Help", L"Pause reminders", L"Take a pause now", L"Close"}));
    EXPECT_EQ(seen.enabled, (std::vector<bool>{true, true, true, true, true}));
    EXPECT_EQ(seen.subItems[2],
              (std::vector<std::wstring>{L"For 30 minutes", L"For 1 hour", L"For 2 hours", L"Until tomorrow"}));
    EXPECT_EQ(seen.defaultIndex, 0);
    EXPECT_TRUE(pauses.empty());
    EXPECT_EQ(resumes, 0);
    EXPECT_FALSE(IsWindowVisible(configWindow.GetHandle()));
    EXPECT_FALSE(QuitPosted());
}

TEST_F(TrayMenuTest, ConfigureOpensTheConfigurationWindow) {
    ShowTrayMenu(0, Reminders(true, false));
    EXPECT_TRUE(IsWindowVisible(configWindow.GetHandle()));
    EXPECT_FALSE(QuitPosted());
}

TEST_F(TrayMenuTest, CloseEndsTheMessageLoop) {
    ShowTrayMenu(4, Reminders(true, false));
    EXPECT_TRUE(QuitPosted());
    EXPECT_FALSE(IsWindowVisible(configWindow.GetHandle()));
}

struct TReminderItemCase {
    const char* name;
    bool available;
    bool paused;
    int subPosition;
    std::vector<std::wstring> subItems;
    std::vector<TReminderPause::TChoice> pauses;
    int resumes;
};

class TrayReminderItemTest : public TrayMenuTest, public testing::WithParamInterface<TReminderItemCase> {};

TEST_P(TrayReminderItemTest, PausesResumesOrIsDisabledDuringAPause) {
    const TReminderItemCase& c = GetParam();
    ShowTrayMenu(2, Reminders(c.available, c.paused), c.subPosition);
    ASSERT_TRUE(seen.open);
    EXPECT_EQ(seen.items[2], L"Pause reminders");
    EXPECT_EQ(seen.enabled[2], c.available);
    EXPECT_EQ(seen.subItems[2], c.subItems);
    EXPECT_EQ(pauses, c.pauses);
    EXPECT_EQ(resumes, c.resumes);
    EXPECT_FALSE(QuitPosted());
    EXPECT_FALSE(IsWindowVisible(configWindow.GetHandle()));
}

const std::vector<std::wstring> Lengths{L"For 30 minutes", L"For 1 hour", L"For 2 hours", L"Until tomorrow"};
using TChoice = TReminderPause::TChoice;

INSTANTIATE_TEST_SUITE_P(
    Reminders, TrayReminderItemTest,
    testing::Values(TReminderItemCase{"HalfHour", true, false, 0, Lengths, {TChoice::for30Minutes}, 0},
                    TReminderItemCase{"OneHour", true, false, 1, Lengths, {TChoice::for1Hour}, 0},
                    TReminderItemCase{"TwoHours", true, false, 2, Lengths, {TChoice::for2Hours}, 0},
                    TReminderItemCase{"Tomorrow", true, false, 3, Lengths, {TChoice::untilTomorrow}, 0},
                    TReminderItemCase{"Resume", true, true, 0, {L"Resume reminders"}, {}, 1},
                    TReminderItemCase{"DuringAPause", false, false, 0, Lengths, {}, 0}),
    TCaseName());

// Greyed while a pause shows, whether the reminders are paused or not.
TEST_F(TrayMenuTest, TakeAPauseNowTakesOneOnlyWhenOffered) {
    const struct {
        bool available;
        bool remindersPaused;
        int taken;
    } cases[] = {{true, false, 1}, {true, true, 1}, {false, false, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "available " << c.available << ", reminders paused " << c.remindersPaused);
        pausesTaken = 0;
        seen = TMenuSeen{};
        ShowTrayMenu(3, Reminders(c.available, c.remindersPaused), -1, PauseNow(c.available));
        ASSERT_TRUE(seen.open);
        EXPECT_EQ(seen.items[3], L"Take a pause now");
        EXPECT_EQ(seen.enabled[3], c.available);
        EXPECT_EQ(pausesTaken, c.taken);
        EXPECT_TRUE(pauses.empty());
        EXPECT_EQ(resumes, 0);
        EXPECT_FALSE(QuitPosted());
    }
}

TEST_F(TrayMenuTest, DoubleClickOpensTheConfigurationWindow) {
    OnTrayDoubleClick(configWindow);
    EXPECT_TRUE(IsWindowVisible(configWindow.GetHandle()));
}

}  // namespace
