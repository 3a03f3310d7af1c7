#pragma once

#include "core/TAbsence.h"
#include "toolkit/TWindow.h"

#include <functional>
#include <memory>

// Tells when the user leaves and comes back: the session locked and unlocked, the computer put to
// sleep or hibernation and woken. The system announces both only to top-level windows, so the
// watch keeps a hidden one of its own.
class TAbsenceWatch {
public:
    using TAbsenceCallback = std::function<void(TAbsence::TReason)>;

    // Registers its window for the session's lock notifications on construction and withdraws it on
    // destruction; turns them and the power notifications into the two callbacks.
    class TMessageProcessor : public TWindow::TControl {
    public:
        TMessageProcessor(TWindow& ownerWindow, const TAbsenceCallback& onLeft, const TAbsenceCallback& onReturned);
        ~TMessageProcessor() override;

        bool ProcessMessage(TWindow::TMessage& message) override;

    private:
        TAbsenceCallback onLeft;
        TAbsenceCallback onReturned;
        bool registered;
    };

    TAbsenceWatch(const TAbsenceCallback& onLeft, const TAbsenceCallback& onReturned);
    ~TAbsenceWatch();
    TAbsenceWatch(const TAbsenceWatch&) = delete;
    TAbsenceWatch& operator=(const TAbsenceWatch&) = delete;

private:
    std::unique_ptr<TWindow> window;
    std::unique_ptr<TMessageProcessor> processor;
};
