#include "toolkit/TControlCancelHandler.h"

TControlCancelHandler::TControlCancelHandler(TWindow& ownerWindow) : TControl(ownerWindow) {}

TControlCancelHandler::~TControlCancelHandler() = default;

bool TControlCancelHandler::ProcessMessage(TWindow::TMessage& message) {
    if (message.message != WM_COMMAND || LOWORD(message.wParam) != IDCANCEL) {
        return false;
    }
    if (onCancel) {
        // A copy, so the callback may replace itself.
        const TCallback call = onCancel;
        call();
    }
    return true;
}

void TControlCancelHandler::SetOnCancel(const TCallback& callback) {
    onCancel = callback;
}
