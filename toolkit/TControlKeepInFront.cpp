#include "toolkit/TControlKeepInFront.h"

TControlKeepInFront::TControlKeepInFront(TWindow& ownerWindow) : TControl(ownerWindow), holding(false) {}

TControlKeepInFront::~TControlKeepInFront() = default;

bool TControlKeepInFront::ProcessMessage(TWindow::TMessage& message) {
    // Restored later, as a window that is being minimized cannot be restored from inside the change.
    if (holding && message.message == WM_WINDOWPOSCHANGED && IsIconic(message.hwnd)) {
        ShowWindowAsync(message.hwnd, SW_RESTORE);
    }
    return false;
}

void TControlKeepInFront::Hold() {
    holding = true;
    if (owner != nullptr) {
        SetWindowPos(owner->GetHandle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void TControlKeepInFront::Release() {
    holding = false;
    if (owner != nullptr) {
        SetWindowPos(owner->GetHandle(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

bool TControlKeepInFront::IsHolding() const {
    return holding;
}
