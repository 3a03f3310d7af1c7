#pragma once

#include "toolkit/TWindow.h"

// Holds its window above every window that is not topmost, and restores it at once whenever it is
// minimized (its minimize box, Win+D, Win+M), for as long as the hold lasts.
class TControlKeepInFront : public TWindow::TControl {
public:
    explicit TControlKeepInFront(TWindow& ownerWindow);
    ~TControlKeepInFront() override;

    bool ProcessMessage(TWindow::TMessage& message) override;

    // Makes the window topmost, or puts it back at the top of the topmost windows when one came
    // over it since; never activates it.
    void Hold();
    // An ordinary window again.
    void Release();
    bool IsHolding() const;

private:
    bool holding;
};
