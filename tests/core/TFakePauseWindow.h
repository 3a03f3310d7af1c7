#pragma once

#include <string>
#include <vector>

// Stands in for the pause window: shows itself on ShowTimeLeft and records what it was given.
struct TFakePauseWindow {
    bool IsShown = false;
    std::vector<std::string> shown;

    void ShowTimeLeft(const std::string& remaining) {
        shown.push_back(remaining);
        IsShown = true;
    }
    // What the real window does before it calls OnPauseDismissed.
    void Hide() { IsShown = false; }
};
