#pragma once

#include "toolkit/TCallback.h"
#include "toolkit/TWindow.h"

#include <windows.h>

#include <shellapi.h>

#include <cstddef>
#include <memory>
#include <string>

// The program's icon in the notification area, with a hidden window that receives its mouse
// notifications.
class TTrayIcon {
public:
    // Adds the icon on construction and removes it on destruction; turns the icon's right click
    // and left double click into callbacks.
    class TNotificationControl : public TWindow::TControl {
    public:
        TNotificationControl(TWindow& ownerWindow, const std::wstring& iconFile, int iconIndex,
                             const std::wstring& tooltip);
        ~TNotificationControl() override;

        bool ProcessMessage(TWindow::TMessage& message) override;

        void SetOnContextMenu(const TCallback& callback);
        void SetOnDoubleClick(const TCallback& callback);
        // Changes the tooltip (cut to 127 characters like the first) and tells the shell, but only
        // when the text differs from the one shown; true when it did.
        bool SetTooltip(const std::wstring& tooltip);
        // Shows a notification beside the icon (a balloon, on Windows 10 and later a toast), without a
        // sound of its own and not during the user's quiet time. Title and text are cut to fit.
        void ShowNotification(const std::wstring& title, const std::wstring& text);
        const NOTIFYICONDATAW& GetIconData() const;
        // The record of the last notification, as the shell was given it.
        const NOTIFYICONDATAW& GetNotificationData() const;

    private:
        NOTIFYICONDATAW iconData;
        // Apart from iconData, so that a later tooltip change does not show the notification again.
        NOTIFYICONDATAW notificationData;
        TCallback onContextMenu;
        TCallback onDoubleClick;
        // Sent to every top-level window when the notification area is created anew (the shell
        // restarted), which forgets every icon.
        UINT taskbarCreatedMessage;
    };

    TTrayIcon(const std::wstring& iconFile, int iconIndex, const std::wstring& tooltip);
    TTrayIcon(const TTrayIcon&) = delete;
    TTrayIcon& operator=(const TTrayIcon&) = delete;

    void SetOnContextMenu(const TCallback& callback);
    void SetOnDoubleClick(const TCallback& callback);
    bool SetTooltip(const std::wstring& tooltip);
    void ShowNotification(const std::wstring& title, const std::wstring& text);

private:
    // In this order, so that the control leaves the window before the window goes.
    std::unique_ptr<TWindow> window;
    std::unique_ptr<TNotificationControl> notification;
};

// The record size the shell is told: NOTIFYICONDATAW up to and including guidItem, without the
// balloon icon, for the architecture being built.
inline constexpr DWORD NotifyIconDataSize = static_cast<DWORD>(offsetof(NOTIFYICONDATAW, guidItem) + sizeof(GUID));
