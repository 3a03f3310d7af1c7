#pragma once

#include <string>
#include <utility>
#include <vector>

// One item of a popup menu. An item with sub-items opens them as its submenu instead of being chosen.
struct TMenuItem {
    TMenuItem(std::wstring itemText, bool itemEnabled = true, std::vector<std::wstring> itemSubItems = {})
        : text(std::move(itemText)), enabled(itemEnabled), subItems(std::move(itemSubItems)) {}

    std::wstring text;
    bool enabled;
    std::vector<std::wstring> subItems;
};
