#include "ui/ShowPopupMenu.h"

#include "toolkit/TWindow.h"

#include <windows.h>

namespace {

class TPopupMenu {
public:
    TPopupMenu() : handle(CreatePopupMenu()) {}
    ~TPopupMenu() { DestroyMenu(handle); }
    TPopupMenu(const TPopupMenu&) = delete;
    TPopupMenu& operator=(const TPopupMenu&) = delete;

    HMENU GetHandle() const { return handle; }

private:
    HMENU handle;
};

}  // namespace

int ShowPopupMenu(const std::vector<std::wstring>& items, int defaultIndex, std::optional<TPoint> at) {
    // The menu needs an owner window in the foreground, or it would not close when the user clicks
    // elsewhere. Made first so that the menu goes before it.
    TWindow owner(L"dummy", false, nullptr);
    TPopupMenu menu;
    for (std::size_t index = 0; index < items.size(); ++index) {
        AppendMenuW(menu.GetHandle(), MF_STRING, index + 1, items[index].c_str());
    }
    if (defaultIndex != -1) {
        SetMenuDefaultItem(menu.GetHandle(), static_cast<UINT>(defaultIndex), TRUE);
    }
    POINT cursor{};
    GetCursorPos(&cursor);
    if (at) {
        cursor = POINT{at->x, at->y};
    }
    SetForegroundWindow(owner.GetHandle());
    const BOOL chosen = TrackPopupMenu(menu.GetHandle(), TPM_RETURNCMD | TPM_NONOTIFY, cursor.x, cursor.y, 0,
                                       owner.GetHandle(), nullptr);
    // Lets the menu close properly when it is opened again from the notification area.
    PostMessageW(owner.GetHandle(), WM_NULL, 0, 0);
    return chosen - 1;
}
