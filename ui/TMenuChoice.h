#pragma once

// The item chosen in a popup menu: its index, and for an item of a submenu the index within it
// (-1 otherwise). Both -1 when the menu was closed without a choice.
struct TMenuChoice {
    int item = -1;
    int subItem = -1;

    bool operator==(const TMenuChoice&) const = default;
};
