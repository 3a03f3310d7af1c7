#pragma once

#include "toolkit/TCallback.h"
#include "toolkit/TWindow.h"

#include <memory>

// Calls a callback at a fixed period from the message loop, through a window timer on a hidden
// window of its own. The only way to stop the calls is to destroy the object.
class TRepeatedAction {
public:
    // Turns the hidden window's WM_TIMER messages into callback calls, never inside the callback itself.
    class TMessageProcessor : public TWindow::TControl {
    public:
        TMessageProcessor(TWindow& ownerWindow, const TCallback& callback, double periodSeconds);
        ~TMessageProcessor() override;

        bool ProcessMessage(TWindow::TMessage& message) override;

    private:
        TCallback callback;
        bool busy;
    };

    TRepeatedAction(const TCallback& callback, double periodSeconds);
    ~TRepeatedAction();
    TRepeatedAction(const TRepeatedAction&) = delete;
    TRepeatedAction& operator=(const TRepeatedAction&) = delete;

private:
    std::unique_ptr<TWindow> window;
    std::unique_ptr<TMessageProcessor> processor;
};

// The timer period in whole milliseconds, truncated toward zero.
UINT TimerPeriodMilliseconds(double periodSeconds);
