#pragma once

#include "toolkit/TCallback.h"

// What the tray menu's "Take a pause now" item offers and does; the caller keeps the state.
struct TPauseNowMenu {
    // False while a pause window shows.
    bool available = true;
    TCallback onTake;
};
