#pragma once

#include "toolkit/TPoint.h"
#include "ui/TMenuChoice.h"
#include "ui/TMenuItem.h"

#include <optional>
#include <string>
#include <vector>

// Shows a popup menu of the items at the cursor (or at a given screen point) and waits for the user.
// Returns the chosen item's index, or -1 if the menu was closed without a choice. A default index of
// -1 marks no item.
int ShowPopupMenu(const std::vector<std::wstring>& items, int defaultIndex, std::optional<TPoint> at = std::nullopt);

// The same for items that may be disabled or open a submenu. Both show at most 255 items per menu,
// as the chosen item and sub-item share one command identifier.
TMenuChoice ShowPopupMenuItems(const std::vector<TMenuItem>& items, int defaultIndex,
                               std::optional<TPoint> at = std::nullopt);
