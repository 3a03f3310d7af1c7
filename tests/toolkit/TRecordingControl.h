#pragma once

#include "toolkit/TWindow.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Logs its name for each offer of the watched message, consumes it when told to and may act on it;
// other messages pass by, so the window's own traffic does not disturb a test.
class TRecordingControl : public TWindow::TControl {
public:
    TRecordingControl(TWindow& ownerWindow, std::vector<std::string>& sharedLog, std::string controlName,
                      UINT watchedMessage)
        : TControl(ownerWindow), log(sharedLog), name(std::move(controlName)), watched(watchedMessage) {}

    bool ProcessMessage(TWindow::TMessage& message) override {
        if (message.message != watched) {
            return false;
        }
        log.push_back(name);
        message.result = result.value_or(message.result);
        const bool consumes = consume;
        // Last, and through a copy, since the action may destroy this control or its window.
        if (const std::function<void()> act = action) {
            act();
        }
        return consumes;
    }

    bool consume = false;
    std::optional<LRESULT> result;
    std::function<void()> action;

private:
    std::vector<std::string>& log;
    std::string name;
    UINT watched;
};
