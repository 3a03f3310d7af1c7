#include "toolkit/TRepeatedAction.h"

#include "core/TScopeGuard.h"

#include <cmath>

namespace {

constexpr UINT_PTR TimerId = 0;

}  // namespace

UINT TimerPeriodMilliseconds(double periodSeconds) {
    const double milliseconds = std::trunc(periodSeconds * 1000.0);
    // Converting a negative, too large or NaN double to an integer is undefined, so those are
    // brought into the range the platform accepts first.
    if (!(milliseconds > 0.0)) {
        return 0;
    }
    if (milliseconds >= static_cast<double>(USER_TIMER_MAXIMUM)) {
        return USER_TIMER_MAXIMUM;
    }
    return static_cast<UINT>(milliseconds);
}

TRepeatedAction::TMessageProcessor::TMessageProcessor(TWindow& ownerWindow, const TCallback& action,
                                                      double periodSeconds)
    : TControl(ownerWindow), callback(action), busy(false) {
    if (callback) {
        SetTimer(owner->GetHandle(), TimerId, TimerPeriodMilliseconds(periodSeconds), nullptr);
    }
}

TRepeatedAction::TMessageProcessor::~TMessageProcessor() {
    if (owner != nullptr) {
        KillTimer(owner->GetHandle(), TimerId);
    }
}

bool TRepeatedAction::TMessageProcessor::ProcessMessage(TWindow::TMessage& message) {
    if (message.message != WM_TIMER) {
        return false;
    }
    // A tick dispatched by a nested message loop inside the callback is swallowed, never run inside it.
    if (!busy && callback) {
        busy = true;
        const TScopeGuard notBusy([this] { busy = false; });
        callback();
    }
    return true;
}

TRepeatedAction::TRepeatedAction(const TCallback& callback, double periodSeconds)
    : window(std::make_unique<TWindow>(L"dummy", false, nullptr)),
      processor(std::make_unique<TMessageProcessor>(*window, callback, periodSeconds)) {}

// The processor goes first (member order), so the timer is killed while its window still exists.
TRepeatedAction::~TRepeatedAction() = default;
