#pragma once

#include "ui/TInstanceLock.h"

#include "toolkit/TCallback.h"
#include "toolkit/TWindow.h"

#include <windows.h>

#include <memory>
#include <string>

// A hidden window of the running instance by which a later start of the program reaches it: the
// later start asks it to open its configuration window, or to end as "Close" in its menu would.
class TInstanceMailbox {
public:
    // The title is how a later start finds the window among all windows of the class "TWindow".
    explicit TInstanceMailbox(const std::wstring& title);
    TInstanceMailbox(const TInstanceMailbox&) = delete;
    TInstanceMailbox& operator=(const TInstanceMailbox&) = delete;

    void SetOnOpen(const TCallback& callback);
    void SetOnQuit(const TCallback& callback);

private:
    class TRequestControl : public TWindow::TControl {
    public:
        explicit TRequestControl(TWindow& ownerWindow);

        bool ProcessMessage(TWindow::TMessage& message) override;

        TCallback onOpen;
        TCallback onQuit;

    private:
        UINT openMessage;
        UINT quitMessage;
    };

    // In this order, so that the control leaves the window before the window goes.
    std::unique_ptr<TWindow> window;
    std::unique_ptr<TRequestControl> requests;
};

// For a start that found the lock held. Waits up to the given time for the running instance's
// mailbox; null when none appeared, either because the lock came free (the instance ended; the
// lock is then held here) or because the instance never answered.
HWND FindInstanceMailbox(const std::wstring& title, TInstanceLock& lock, DWORD milliseconds);

// Lets the running instance take the foreground, which this freshly started process may give,
// and asks it to open its configuration window.
void AskToOpenConfiguration(HWND mailbox);

// Asks the running instance to end and waits up to the given time for its process to end; true
// when it ended.
bool AskToQuit(HWND mailbox, DWORD milliseconds);
