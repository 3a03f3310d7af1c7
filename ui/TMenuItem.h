#pragma once

#include <utility>
#include <vector>

// One item of a popup menu. An item with sub-items opens them as its submenu instead of being chosen.
// The texts are borrowed: they must outlive the menu.
struct TMenuItem {
    TMenuItem(const wchar_t* itemText, bool itemEnabled = true, std::vector<const wchar_t*> itemSubItems = {})
        : text(itemText), enabled(itemEnabled), subItems(std::move(itemSubItems)) {}

    const wchar_t* text;
    bool enabled;
    std::vector<const wchar_t*> subItems;
};
