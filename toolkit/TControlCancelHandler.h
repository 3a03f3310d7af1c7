#pragma once

#include "toolkit/TCallback.h"
#include "toolkit/TWindow.h"

// Turns the cancel command (Esc in a window of the dialog list) into a callback.
class TControlCancelHandler : public TWindow::TControl {
public:
    explicit TControlCancelHandler(TWindow& ownerWindow);
    ~TControlCancelHandler() override;

    bool ProcessMessage(TWindow::TMessage& message) override;

    void SetOnCancel(const TCallback& callback);

private:
    TCallback onCancel;
};
