#include "ui/TTrayIcon.h"

#include "TCaseName.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

const wchar_t* const IconFile = L"C:\\windows\\system32\\shell32.dll";

// Asks the shell whether it holds the icon of the window: changing a missing icon fails.
bool ShellHoldsIcon(HWND window) {
    NOTIFYICONDATAW data{};
    data.cbSize = NotifyIconDataSize;
    data.hWnd = window;
    data.uID = 0;
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

class NotificationControlTest : public testing::Test {
protected:
    NotificationControlTest() {
        control->SetOnContextMenu([this] { ++contextMenus; });
        control->SetOnDoubleClick([this] { ++doubleClicks; });
    }

    LRESULT Notify(WORD mouseMessage, WORD highWord = 0) {
        return SendMessageW(owner.GetHandle(), WM_USER, 0, MAKELPARAM(mouseMessage, highWord));
    }

    TWindow owner{L"dummy", false, nullptr};
    std::unique_ptr<TTrayIcon::TNotificationControl> control =
        std::make_unique<TTrayIcon::TNotificationControl>(owner, IconFile, 0, L"Tavelin");
    int contextMenus = 0;
    int doubleClicks = 0;
};

TEST_F(NotificationControlTest, AddsTheIconWithItsDataAndRemovesItOnDestruction) {
    const NOTIFYICONDATAW& data = control->GetIconData();
    EXPECT_EQ(data.hWnd, owner.GetHandle());
    EXPECT_EQ(data.uCallbackMessage, static_cast<UINT>(WM_USER));
    EXPECT_EQ(data.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP));
    EXPECT_EQ(data.uVersion, static_cast<UINT>(NOTIFYICON_VERSION_4));
    EXPECT_TRUE(control->UsesVersion4());
    EXPECT_NE(data.hIcon, nullptr);
    EXPECT_TRUE(ShellHoldsIcon(owner.GetHandle()));

    control.reset();
    EXPECT_FALSE(ShellHoldsIcon(owner.GetHandle()));
}

TEST_F(NotificationControlTest, AddsTheIconAgainWhenTheNotificationAreaIsRecreated) {
    NOTIFYICONDATAW lost = control->GetIconData();
    Shell_NotifyIconW(NIM_DELETE, &lost);
    ASSERT_FALSE(ShellHoldsIcon(owner.GetHandle()));

    SendMessageW(owner.GetHandle(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(ShellHoldsIcon(owner.GetHandle()));
    EXPECT_TRUE(control->UsesVersion4());
}

// One notification as a version-4 shell sends it: the event in the low word of lParam, the icon's
// identifier in the high word, and the icon's place (or the mouse's) in wParam.
struct TNotification {
    WORD event;
    short x;
    short y;
};

struct TNotificationCase {
    const char* name;
    std::vector<TNotification> notifications;
    int contextMenus;
    int doubleClicks;
    // Where the last menu opened: nullopt for the mouse position.
    std::optional<TPoint> anchor;
};

class NotificationDispatchTest : public NotificationControlTest,
                                 public testing::WithParamInterface<TNotificationCase> {};

TEST_P(NotificationDispatchTest, ConsumesEveryNotificationAndActsOnClicksAndKeys) {
    ASSERT_TRUE(control->UsesVersion4());
    std::optional<TPoint> anchor;
    control->SetOnContextMenu([&] {
        ++contextMenus;
        anchor = control->GetMenuAnchor();
    });
    for (const TNotification& notification : GetParam().notifications) {
        const WPARAM place = MAKEWPARAM(static_cast<WORD>(notification.x), static_cast<WORD>(notification.y));
        TWindow::TMessage message{owner.GetHandle(), WM_USER, place, MAKELPARAM(notification.event, 0), 0};
        EXPECT_TRUE(control->ProcessMessage(message));
    }
    EXPECT_EQ(contextMenus, GetParam().contextMenus);
    EXPECT_EQ(doubleClicks, GetParam().doubleClicks);
    EXPECT_EQ(anchor, GetParam().anchor);
}

INSTANTIATE_TEST_SUITE_P(
    Version4, NotificationDispatchTest,
    testing::Values(
        // A right click: the button's release and then the menu request; one menu, at the mouse.
        TNotificationCase{"RightClick", {{WM_RBUTTONDOWN, 900, 790}, {WM_RBUTTONUP, 900, 790}, {WM_CONTEXTMENU, 900, 790}}, 1, 0, std::nullopt},
        TNotificationCase{"TwoRightClicks",
                          {{WM_RBUTTONUP, 900, 790}, {WM_CONTEXTMENU, 900, 790}, {WM_RBUTTONUP, 910, 790}, {WM_CONTEXTMENU, 910, 790}},
                          2, 0, std::nullopt},
        // Shift+F10 or the menu key: at the icon's place.
        TNotificationCase{"MenuKey", {{WM_CONTEXTMENU, 1200, 780}}, 1, 0, TPoint(1200, 780)},
        TNotificationCase{"MenuKeyAfterAClick", {{WM_RBUTTONUP, 900, 790}, {WM_CONTEXTMENU, 900, 790}, {WM_CONTEXTMENU, 1200, 780}}, 2, 0, TPoint(1200, 780)},
        TNotificationCase{"NegativePlace", {{WM_CONTEXTMENU, -1270, 40}}, 1, 0, TPoint(-1270, 40)},
        TNotificationCase{"ReleaseAloneOpensNothing", {{WM_RBUTTONUP, 900, 790}}, 0, 0, std::nullopt},
        TNotificationCase{"DoubleClick", {{WM_LBUTTONDOWN, 5, 5}, {WM_LBUTTONUP, 5, 5}, {NIN_SELECT, 5, 5}, {WM_LBUTTONDBLCLK, 5, 5}}, 0, 1, std::nullopt},
        // Enter or Space on the selected icon.
        TNotificationCase{"KeySelect", {{NIN_KEYSELECT, 1200, 780}}, 0, 1, std::nullopt},
        TNotificationCase{"SingleClickSelectsOnly", {{WM_LBUTTONDOWN, 5, 5}, {WM_LBUTTONUP, 5, 5}, {NIN_SELECT, 5, 5}}, 0, 0, std::nullopt},
        TNotificationCase{"Others", {{WM_MOUSEMOVE, 5, 5}, {WM_RBUTTONDOWN, 5, 5}, {NIN_BALLOONUSERCLICK, 5, 5}}, 0, 0, std::nullopt}),
    TCaseName());

TEST_F(NotificationControlTest, LeavesOtherMessagesToTheWindow) {
    for (const UINT other : {UINT{WM_USER + 1}, UINT{WM_TIMER}, UINT{WM_COMMAND}, UINT{WM_NULL}}) {
        TWindow::TMessage message{owner.GetHandle(), other, 0, WM_RBUTTONUP, 0};
        EXPECT_FALSE(control->ProcessMessage(message)) << other;
    }
    EXPECT_EQ(contextMenus, 0);
}

TEST_F(NotificationControlTest, EmptyCallbacksMakeNotificationsDoNothing) {
    control->SetOnContextMenu(nullptr);
    control->SetOnDoubleClick(nullptr);
    EXPECT_EQ(Notify(WM_CONTEXTMENU), 0);
    EXPECT_EQ(Notify(WM_LBUTTONDBLCLK), 0);
    EXPECT_EQ(Notify(NIN_KEYSELECT), 0);
    EXPECT_EQ(contextMenus + doubleClicks, 0);
}

struct TTooltipCase {
    std::size_t length;
    std::size_t shownLength;
};

class TooltipTest : public testing::TestWithParam<TTooltipCase> {};

TEST_P(TooltipTest, KeepsAtMost127Characters) {
    std::wstring tooltip;
    for (std::size_t i = 0; i < GetParam().length; ++i) {
        tooltip += static_cast<wchar_t>(L'a' + i % 26);
    }
    TWindow owner(L"dummy", false, nullptr);
    TTrayIcon::TNotificationControl control(owner, IconFile, 0, tooltip);
    EXPECT_EQ(std::wstring(control.GetIconData().szTip), tooltip.substr(0, GetParam().shownLength));
}

INSTANTIATE_TEST_SUITE_P(Lengths, TooltipTest,
                         testing::Values(TTooltipCase{0, 0}, TTooltipCase{7, 7}, TTooltipCase{127, 127},
                                         TTooltipCase{128, 127}, TTooltipCase{400, 127}));

TEST_F(NotificationControlTest, ChangesTheTooltipOnlyWhenItsShownTextChanges) {
    const std::wstring longTip(130, L'x');
    const struct {
        std::wstring tooltip;
        bool changed;
        std::wstring shown;
    } steps[] = {{L"Tavelin", false, L"Tavelin"},
                 {L"Tavelin\nNext pause in 60 min", true, L"Tavelin\nNext pause in 60 min"},
                 {L"Tavelin\nNext pause in 60 min", false, L"Tavelin\nNext pause in 60 min"},
                 {L"Tavelin\nNext pause in 59 min", true, L"Tavelin\nNext pause in 59 min"},
                 {longTip, true, longTip.substr(0, 127)},
                 // Compared as it would be shown, so a long text does not count as new at every tick.
                 {longTip, false, longTip.substr(0, 127)},
                 {longTip.substr(0, 127), false, longTip.substr(0, 127)},
                 {L"", true, L""}};
    for (const auto& step : steps) {
        SCOPED_TRACE(testing::Message() << "step " << &step - steps);
        EXPECT_EQ(control->SetTooltip(step.tooltip), step.changed) << step.shown;
        EXPECT_EQ(std::wstring(control->GetIconData().szTip), step.shown);
        EXPECT_TRUE(ShellHoldsIcon(owner.GetHandle()));
    }
}

TEST_F(NotificationControlTest, ChangesTheIconOnlyToAnotherOneTheFileHolds) {
    const struct {
        int index;
        bool changed;
    } steps[] = {{0, false}, {1, true}, {1, false}, {100000, false}, {0, true}};
    HICON shown = control->GetIconData().hIcon;
    for (const auto& step : steps) {
        SCOPED_TRACE(testing::Message() << "step " << &step - steps);
        EXPECT_EQ(control->SetIcon(step.index), step.changed) << step.index;
        const HICON now = control->GetIconData().hIcon;
        EXPECT_NE(now, nullptr);
        EXPECT_EQ(now != shown, step.changed) << step.index;
        shown = now;
        EXPECT_TRUE(ShellHoldsIcon(owner.GetHandle()));
    }
}

// The notification leaves the icon's own record alone, so a tooltip change later does not repeat it.
TEST_F(NotificationControlTest, ShowsANotificationQuietlyAndOnlyOnce) {
    const struct {
        std::wstring title;
        std::wstring text;
        std::wstring shownTitle;
        std::wstring shownText;
    } cases[] = {{L"Tavelin", L"A 5-minute pause begins in 1 minute.", L"Tavelin",
                  L"A 5-minute pause begins in 1 minute."},
                 {std::wstring(70, L't'), std::wstring(300, L'x'), std::wstring(63, L't'), std::wstring(255, L'x')}};
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.title);
        control->ShowNotification(entry.title, entry.text);
        const NOTIFYICONDATAW& shown = control->GetNotificationData();
        EXPECT_EQ(shown.cbSize, NotifyIconDataSize);
        EXPECT_EQ(shown.hWnd, owner.GetHandle());
        EXPECT_EQ(shown.uFlags, static_cast<UINT>(NIF_INFO));
        EXPECT_EQ(shown.dwInfoFlags, static_cast<DWORD>(NIIF_INFO | NIIF_NOSOUND | NIIF_RESPECT_QUIET_TIME));
        EXPECT_EQ(std::wstring(shown.szInfoTitle), entry.shownTitle);
        EXPECT_EQ(std::wstring(shown.szInfo), entry.shownText);
        EXPECT_EQ(control->GetIconData().uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP));
        EXPECT_EQ(control->GetIconData().szInfo[0], L'\0');
        EXPECT_TRUE(ShellHoldsIcon(owner.GetHandle()));
    }
}

TEST(TrayIconTest, AddsTheIconOnAHiddenWindowAndForwardsItsCallbacks) {
    auto trayIcon = std::make_unique<TTrayIcon>(IconFile, 0, L"Tavelin");
    const HWND hidden = FindWindowW(L"TWindow", L"dummy");
    ASSERT_NE(hidden, nullptr);
    EXPECT_FALSE(IsWindowVisible(hidden));
    EXPECT_TRUE(ShellHoldsIcon(hidden));

    int contextMenus = 0;
    int doubleClicks = 0;
    trayIcon->SetOnContextMenu([&] { ++contextMenus; });
    trayIcon->SetOnDoubleClick([&] { ++doubleClicks; });
    SendMessageW(hidden, WM_USER, 0, WM_CONTEXTMENU);
    SendMessageW(hidden, WM_USER, 0, WM_LBUTTONDBLCLK);
    SendMessageW(hidden, WM_USER, 0, WM_LBUTTONDBLCLK);
    EXPECT_EQ(contextMenus, 1);
    EXPECT_EQ(doubleClicks, 2);
    EXPECT_TRUE(trayIcon->SetTooltip(L"Tavelin\nPause over"));
    EXPECT_FALSE(trayIcon->SetTooltip(L"Tavelin\nPause over"));
    EXPECT_TRUE(trayIcon->SetIcon(1));

    trayIcon.reset();
    EXPECT_FALSE(IsWindow(hidden));
}

}  // namespace
