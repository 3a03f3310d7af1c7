#include "ui/TTrayIcon.h"

#include <cstdint>
#include <iterator>
#include <utility>

static_assert(sizeof(void*) != 4 || NotifyIconDataSize == 952);
static_assert(sizeof(void*) != 8 || NotifyIconDataSize == 968);

TTrayIcon::TNotificationControl::TNotificationControl(TWindow& ownerWindow, const std::wstring& iconFile,
                                                      int iconIndex, const std::wstring& tooltip)
    : TControl(ownerWindow),
      iconFilePath(iconFile),
      shownIconIndex(iconIndex),
      icon(),
      iconData{},
      version4(false),
      rightButtonReleased(false),
      notificationData{},
      taskbarCreatedMessage(RegisterWindowMessageW(L"TaskbarCreated")) {
    iconData.cbSize = NotifyIconDataSize;
    iconData.hWnd = owner->GetHandle();
    iconData.uID = 0;
    // Version 4 shows the standard tooltip only when asked to.
    iconData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP;
    iconData.uCallbackMessage = WM_USER;
    // ExtractIconW returns 1 for a file that holds no icons at all; that is no handle.
    const HICON extracted = ExtractIconW(nullptr, iconFile.c_str(), static_cast<UINT>(iconIndex));
    icon.Reset(reinterpret_cast<std::uintptr_t>(extracted) > 1 ? extracted : nullptr);
    iconData.hIcon = icon.Get();
    const std::size_t tipLength = tooltip.copy(iconData.szTip, std::size(iconData.szTip) - 1);
    iconData.szTip[tipLength] = L'\0';
    Add();
}

void TTrayIcon::TNotificationControl::Add() {
    Shell_NotifyIconW(NIM_ADD, &iconData);
    iconData.uVersion = NOTIFYICON_VERSION_4;
    version4 = Shell_NotifyIconW(NIM_SETVERSION, &iconData) != FALSE;
}

TTrayIcon::TNotificationControl::~TNotificationControl() {
    Shell_NotifyIconW(NIM_DELETE, &iconData);
}

bool TTrayIcon::TNotificationControl::ProcessMessage(TWindow::TMessage& message) {
    if (taskbarCreatedMessage != 0 && message.message == taskbarCreatedMessage) {
        Add();
        return true;
    }
    if (message.message != WM_USER) {
        return false;
    }
    const UINT event = LOWORD(message.lParam);
    const bool afterRightClick = rightButtonReleased;
    rightButtonReleased = false;
    switch (event) {
    case WM_CONTEXTMENU:
    case WM_RBUTTONUP:
        if (event == WM_RBUTTONUP && version4) {
            rightButtonReleased = true;
            break;
        }
        // Version 4 gives the icon's place in wParam; the older version gives nothing there.
        menuAnchor.reset();
        if (event == WM_CONTEXTMENU && version4 && !afterRightClick) {
            menuAnchor = TPoint(static_cast<short>(LOWORD(message.wParam)), static_cast<short>(HIWORD(message.wParam)));
        }
        if (onContextMenu) {
            onContextMenu();
        }
        break;
    case WM_LBUTTONDBLCLK:
    case NIN_KEYSELECT:
        if (onDoubleClick) {
            onDoubleClick();
        }
        break;
    default:
        break;
    }
    return true;
}

void TTrayIcon::TNotificationControl::SetOnContextMenu(const TCallback& callback) {
    onContextMenu = callback;
}

void TTrayIcon::TNotificationControl::SetOnDoubleClick(const TCallback& callback) {
    onDoubleClick = callback;
}

bool TTrayIcon::TNotificationControl::SetTooltip(const std::wstring& tooltip) {
    const std::wstring tip = tooltip.substr(0, std::size(iconData.szTip) - 1);
    if (tip == iconData.szTip) {
        return false;
    }
    tip.copy(iconData.szTip, tip.size());
    iconData.szTip[tip.size()] = L'\0';
    Shell_NotifyIconW(NIM_MODIFY, &iconData);
    return true;
}

bool TTrayIcon::TNotificationControl::SetIcon(int iconIndex) {
    if (iconIndex == shownIconIndex) {
        return false;
    }
    const HICON extracted = ExtractIconW(nullptr, iconFilePath.c_str(), static_cast<UINT>(iconIndex));
    if (reinterpret_cast<std::uintptr_t>(extracted) <= 1) {
        return false;
    }
    TIconHandle next(extracted);
    iconData.hIcon = next.Get();
    shownIconIndex = iconIndex;
    Shell_NotifyIconW(NIM_MODIFY, &iconData);
    // The previous icon is released only now that the shell shows the new one.
    icon = std::move(next);
    return true;
}

void TTrayIcon::TNotificationControl::ShowNotification(const std::wstring& title, const std::wstring& text) {
    notificationData = iconData;
    notificationData.uFlags = NIF_INFO;
    const std::size_t titleLength = title.copy(notificationData.szInfoTitle, std::size(notificationData.szInfoTitle) - 1);
    notificationData.szInfoTitle[titleLength] = L'\0';
    const std::size_t textLength = text.copy(notificationData.szInfo, std::size(notificationData.szInfo) - 1);
    notificationData.szInfo[textLength] = L'\0';
    notificationData.dwInfoFlags = NIIF_INFO | NIIF_NOSOUND | NIIF_RESPECT_QUIET_TIME;
    Shell_NotifyIconW(NIM_MODIFY, &notificationData);
}

const NOTIFYICONDATAW& TTrayIcon::TNotificationControl::GetIconData() const {
    return iconData;
}

std::optional<TPoint> TTrayIcon::TNotificationControl::GetMenuAnchor() const {
    return menuAnchor;
}

bool TTrayIcon::TNotificationControl::UsesVersion4() const {
    return version4;
}

const NOTIFYICONDATAW& TTrayIcon::TNotificationControl::GetNotificationData() const {
    return notificationData;
}

TTrayIcon::TTrayIcon(const std::wstring& iconFile, int iconIndex, const std::wstring& tooltip)
    : window(std::make_unique<TWindow>(L"dummy", false, nullptr)),
      notification(std::make_unique<TNotificationControl>(*window, iconFile, iconIndex, tooltip)) {}

void TTrayIcon::SetOnContextMenu(const TCallback& callback) {
    notification->SetOnContextMenu(callback);
}

void TTrayIcon::SetOnDoubleClick(const TCallback& callback) {
    notification->SetOnDoubleClick(callback);
}

bool TTrayIcon::SetTooltip(const std::wstring& tooltip) {
    return notification->SetTooltip(tooltip);
}

bool TTrayIcon::SetIcon(int iconIndex) {
    return notification->SetIcon(iconIndex);
}

std::optional<TPoint> TTrayIcon::GetMenuAnchor() const {
    return notification->GetMenuAnchor();
}

void TTrayIcon::ShowNotification(const std::wstring& title, const std::wstring& text) {
    notification->ShowNotification(title, text);
}
