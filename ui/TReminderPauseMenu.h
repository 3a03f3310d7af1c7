#pragma once

#include "core/TReminderPause.h"

#include "toolkit/TCallback.h"

#include <functional>

// What the tray menu's "Pause reminders" item offers and does; the caller keeps the state.
struct TReminderPauseMenu {
    // False while a pause window shows: a running pause cannot be cut short.
    bool available = true;
    bool paused = false;
    std::function<void(TReminderPause::TChoice)> onPause;
    TCallback onResume;
};
