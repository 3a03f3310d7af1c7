#include "ui/TAbsenceWatch.h"

#include "core/SystemLibrary.h"

#include <wtsapi32.h>

namespace {

// wtsapi32.dll's registration of a window for the session's changes, from the system folder; kept,
// as the registration lasts as long as the window.
struct TSessionNotification {
    decltype(&WTSRegisterSessionNotification) registerWindow;
    decltype(&WTSUnRegisterSessionNotification) unregisterWindow;
};

const TSessionNotification& SessionNotification() {
    static const TSessionNotification functions{
        KeptSystemFunction<decltype(&WTSRegisterSessionNotification)>(L"wtsapi32.dll", "WTSRegisterSessionNotification"),
        KeptSystemFunction<decltype(&WTSUnRegisterSessionNotification)>(L"wtsapi32.dll",
                                                                         "WTSUnRegisterSessionNotification"),
    };
    return functions;
}

bool RegisterForSessionChanges(HWND window) {
    const TSessionNotification& session = SessionNotification();
    return session.registerWindow != nullptr && session.unregisterWindow != nullptr &&
           session.registerWindow(window, NOTIFY_FOR_THIS_SESSION) != FALSE;
}

void CallIfSet(const TAbsenceWatch::TAbsenceCallback& callback, TAbsence::TReason reason) {
    if (callback) {
        callback(reason);
    }
}

}  // namespace

TAbsenceWatch::TMessageProcessor::TMessageProcessor(TWindow& ownerWindow, const TAbsenceCallback& left,
                                                    const TAbsenceCallback& returned)
    : TControl(ownerWindow), onLeft(left), onReturned(returned),
      registered(RegisterForSessionChanges(owner->GetHandle())) {}

TAbsenceWatch::TMessageProcessor::~TMessageProcessor() {
    if (registered && owner != nullptr) {
        SessionNotification().unregisterWindow(owner->GetHandle());
    }
}

bool TAbsenceWatch::TMessageProcessor::ProcessMessage(TWindow::TMessage& message) {
    if (message.message == WM_POWERBROADCAST) {
        // A wake is announced as automatic, and once more when the user touches a key or the mouse.
        switch (message.wParam) {
        case PBT_APMSUSPEND:
            CallIfSet(onLeft, TAbsence::TReason::asleep);
            break;
        case PBT_APMRESUMEAUTOMATIC:
        case PBT_APMRESUMESUSPEND:
            CallIfSet(onReturned, TAbsence::TReason::asleep);
            break;
        default:
            break;
        }
        // Any other answer to the query older systems send first would refuse the sleep.
        message.result = TRUE;
        return true;
    }
    if (message.message == WM_WTSSESSION_CHANGE) {
        switch (message.wParam) {
        case WTS_SESSION_LOCK:
            CallIfSet(onLeft, TAbsence::TReason::locked);
            break;
        case WTS_SESSION_UNLOCK:
            CallIfSet(onReturned, TAbsence::TReason::locked);
            break;
        default:
            return false;
        }
        message.result = 0;
        return true;
    }
    return false;
}

TAbsenceWatch::TAbsenceWatch(const TAbsenceCallback& onLeft, const TAbsenceCallback& onReturned)
    : window(std::make_unique<TWindow>(L"dummy", false, nullptr)),
      processor(std::make_unique<TMessageProcessor>(*window, onLeft, onReturned)) {}

// The processor goes first (member order), so the registration ends while its window still exists.
TAbsenceWatch::~TAbsenceWatch() = default;
