#pragma once

#include "core/Win32Handles.h"
#include "toolkit/TCallback.h"
#include "toolkit/TPoint.h"
#include "toolkit/TWindow.h"

#include <windows.h>

#include <shellapi.h>

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

// The program's icon in the notification area, with a hidden window that receives its mouse
// notifications.
class TTrayIcon {
public:
    // Adds the icon on construction, in the current notification-icon version where the shell has
    // it, and removes it on destruction. The menu callback runs for a right click (once) and for the
    // keyboard's menu key or Shift+F10; the double-click callback for a left double click and for
    // Enter or Space on the selected icon.
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
        // Shows another icon of the same file (the paused look is the second) and tells the shell,
        // but only when the index differs from the one shown and the file holds that icon; true
        // when it did.
        bool SetIcon(int iconIndex);
        // Shows a notification beside the icon (a balloon, on Windows 10 and later a toast), without a
        // sound of its own and not during the user's quiet time. Title and text are cut to fit.
        void ShowNotification(const std::wstring& title, const std::wstring& text);
        const NOTIFYICONDATAW& GetIconData() const;
        // The record of the last notification, as the shell was given it.
        const NOTIFYICONDATAW& GetNotificationData() const;
        // Where the last menu belongs: the icon's place when it was asked for from the keyboard,
        // nullopt (the mouse position) for a click.
        std::optional<TPoint> GetMenuAnchor() const;
        bool UsesVersion4() const;

    private:
        void Add();

        std::wstring iconFilePath;
        int shownIconIndex;
        // The icon shown; a new one takes its place only once the shell shows the new one.
        TIconHandle icon;
        NOTIFYICONDATAW iconData;
        bool version4;
        // A version-4 right click comes as WM_RBUTTONUP and then WM_CONTEXTMENU; only the second
        // opens the menu, at the mouse.
        bool rightButtonReleased;
        std::optional<TPoint> menuAnchor;
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
    bool SetIcon(int iconIndex);
    std::optional<TPoint> GetMenuAnchor() const;
    void ShowNotification(const std::wstring& title, const std::wstring& text);

private:
    // In this order, so that the control leaves the window before the window goes.
    std::unique_ptr<TWindow> window;
    std::unique_ptr<TNotificationControl> notification;
};

// The record size the shell is told: NOTIFYICONDATAW up to and including guidItem, without the
// balloon icon, for the architecture being built.
inline constexpr DWORD NotifyIconDataSize = static_cast<DWORD>(offsetof(NOTIFYICONDATAW, guidItem) + sizeof(GUID));
