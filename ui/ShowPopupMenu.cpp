#include "ui/ShowPopupMenu.h"

#include "core/Win32Handles.h"
#include "toolkit/TWindow.h"

namespace {

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
    const TMenuHandle menu(CreatePopupMenu());
    for (std::size_t index = 0; index < items.size() && index + 1 < SubItemBase; ++index) {
        const TMenuItem& item = items[index];
        const UINT state = item.enabled ? MF_ENABLED : MF_GRAYED;
        if (item.subItems.empty()) {
            AppendMenuW(menu.Get(), MF_STRING | state, index + 1, item.text.c_str());
            continue;
        }
        // A submenu handed to its parent is destroyed with it.
        TMenuHandle submenu(CreatePopupMenu());
        for (std::size_t subIndex = 0; subIndex < item.subItems.size() && subIndex + 1 < SubItemBase; ++subIndex) {
            AppendMenuW(submenu.Get(), MF_STRING, (index + 1) * SubItemBase + subIndex + 1,
                        item.subItems[subIndex].c_str());
        }
        if (AppendMenuW(menu.Get(), MF_POPUP | state, reinterpret_cast<UINT_PTR>(submenu.Get()),
                        item.text.c_str())) {
            submenu.Detach();
        }
    }
    if (defaultIndex != -1) {
        SetMenuDefaultItem(menu.Get(), static_cast<UINT>(defaultIndex), TRUE);
    }
    POINT cursor{};
    GetCursorPos(&cursor);
    if (at) {
        cursor = POINT{at->x, at->y};
    }
    SetForegroundWindow(owner.GetHandle());
    const BOOL chosen = TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_NONOTIFY, cursor.x, cursor.y, 0,
                                       owner.GetHandle(), nullptr);
    // Lets the menu close properly when it is opened again from the notification area.
    PostMessageW(owner.GetHandle(), WM_NULL, 0, 0);
    return ChoiceOf(static_cast<UINT_PTR>(chosen));
}
