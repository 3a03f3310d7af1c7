#include "ui/ShowPopupMenu.h"
#include "ui/TrayHandlers.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// What the open menu held, read from its menu window while it was tracked.
struct TMenuSeen {
    bool open = false;
    std::vector<std::wstring> items;
    int defaultIndex = -2;
};

HWND OpenMenuWindow() {
    return FindWindowW(L"#32768", nullptr);
}

void ReadMenu(TMenuSeen& seen) {
    const HWND menuWindow = OpenMenuWindow();
    const auto menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    seen.open = menuWindow != nullptr && menu != nullptr;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[64] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        seen.items.emplace_back(text);
    }
    seen.defaultIndex = static_cast<int>(GetMenuDefaultItem(menu, TRUE, 0));
}

// Chooses the item at the position by keyboard; a negative position closes the menu with Esc.
void ChooseItem(int position) {
    const HWND menuWindow = OpenMenuWindow();
    for (int i = 0; i <= position; ++i) {
        PostMessageW(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
    }
    PostMessageW(menuWindow, WM_KEYDOWN, position < 0 ? VK_ESCAPE : VK_RETURN, 0);
}

// Runs the menu, driven from a timer inside its own loop; EndMenu bounds the wait if driving fails.
template <typename TShow>
auto RunMenu(int position, TMenuSeen& seen, TShow show) {
    TDelayedAction drive([&] {
        ReadMenu(seen);
        ChooseItem(position);
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

class TrayMenuTest : public testing::Test {
protected:
    bool QuitPosted() {
        MSG message;
        return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
    }

    std::wstring helpFilePath = L"C:/nowhere/Help.chm";
    TWindowList dialogWindows;
    TConfigurationWindow configWindow{dialogWindows, helpFilePath};
    TMenuSeen seen;
};

TEST_F(TrayMenuTest, OffersConfigureHelpCloseWithConfigureAsDefault) {
    RunMenu(-1, seen, [this] { OnTrayMenu(configWindow, helpFilePath); return 0; });
    ASSERT_TRUE(seen.open);
    EXPECT_EQ(seen.items, (std::vector<std::wstring>{L"Configure", L"Help", L"Close"}));
    EXPECT_EQ(seen.defaultIndex, 0);
    EXPECT_FALSE(IsWindowVisible(configWindow.GetHandle()));
    EXPECT_FALSE(QuitPosted());
}

TEST_F(TrayMenuTest, ConfigureOpensTheConfigurationWindow) {
    RunMenu(0, seen, [this] { OnTrayMenu(configWindow, helpFilePath); return 0; });
    EXPECT_TRUE(IsWindowVisible(configWindow.GetHandle()));
    EXPECT_FALSE(QuitPosted());
}

TEST_F(TrayMenuTest, CloseEndsTheMessageLoop) {
    RunMenu(2, seen, [this] { OnTrayMenu(configWindow, helpFilePath); return 0; });
    EXPECT_TRUE(QuitPosted());
    EXPECT_FALSE(IsWindowVisible(configWindow.GetHandle()));
}

TEST_F(TrayMenuTest, DoubleClickOpensTheConfigurationWindow) {
    OnTrayDoubleClick(configWindow);
    EXPECT_TRUE(IsWindowVisible(configWindow.GetHandle()));
}

}  // namespace
