#include "ui/ShowPopupMenu.h"

#include "toolkit/TWindow.h"

#include <windows.h>

namespace {

class TPopupMenu {
public:
    TPopupMenu() : handle(CreatePopupMenu()) {}
    // A submenu handed to its parent is destroyed with it.
    ~TPopupMenu() {
        if (handle != nullptr) {
            DestroyMenu(handle);
        }
    }
    TPopupMenu(const TPopupMenu&) = delete;
    TPopupMenu& operator=(const TPopupMenu&) = delete;

    HMENU GetHandle() const { return handle; }
    HMENU Release() {
        const HMENU released = handle;
        handle = nullptr;
        return released;
    }

private:
    HMENU handle;
};

// Command identifiers: an item's index + 1 (as in the flat menu), and for the items of a submenu
// the parent's identifier times SubItemBase plus the sub-item's index + 1. 0 is no choice.
constexpr UINT_PTR SubItemBase = 256;

TMenuChoice ChoiceOf(UINT_PTR identifier) {
    if (identifier == 0) {
        return {};
    }
    if (identifier < SubItemBase) {
        return {static_cast<int>(identifier) - 1, -1};
    }
    return {static_cast<int>(identifier / SubItemBase) - 1, static_cast<int>(identifier % SubItemBase) - 1};
}

}  // namespace

int ShowPopupMenu(const std::vector<std::wstring>& items, int defaultIndex, std::optional<TPoint> at) {
    std::vector<TMenuItem> plain;
    for (const std::wstring& text : items) {
        plain.emplace_back(text);
    }
    return ShowPopupMenuItems(plain, defaultIndex, at).item;
}

TMenuChoice ShowPopupMenuItems(const std::vector<TMenuItem>& items, int defaultIndex, std::optional<TPoint> at) {
    // The menu needs an owner window in the foreground, or it would not close when the user clicks
    // elsewhere. Made first so that the menu goes before it.
    TWindow owner(L"dummy", false, nullptr);
    TPopupMenu menu;
    for (std::size_t index = 0; index < items.size() && index + 1 < SubItemBase; ++index) {
        const TMenuItem& item = items[index];
        const UINT state = item.enabled ? MF_ENABLED : MF_GRAYED;
        if (item.subItems.empty()) {
            AppendMenuW(menu.GetHandle(), MF_STRING | state, index + 1, item.text.c_str());
            continue;
        }
        TPopupMenu submenu;
        for (std::size_t subIndex = 0; subIndex < item.subItems.size() && subIndex + 1 < SubItemBase; ++subIndex) {
            AppendMenuW(submenu.GetHandle(), MF_STRING, (index + 1) * SubItemBase + subIndex + 1,
                        item.subItems[subIndex].c_str());
        }
        if (AppendMenuW(menu.GetHandle(), MF_POPUP | state, reinterpret_cast<UINT_PTR>(submenu.GetHandle()),
                        item.text.c_str())) {
            submenu.Release();
        }
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
    return ChoiceOf(static_cast<UINT_PTR>(chosen));
}
