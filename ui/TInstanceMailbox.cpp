#include "ui/TInstanceMailbox.h"

#include "core/Win32Handles.h"

namespace {

const wchar_t* const OpenMessageName = L"Tavelin.OpenConfiguration";
const wchar_t* const QuitMessageName = L"Tavelin.Quit";

// Long enough for a start on a busy machine, short enough that a hung instance is not waited for long.
constexpr UINT AnswerMilliseconds = 5000;
constexpr DWORD PollMilliseconds = 100;

class TProcessHandle {
public:
    explicit TProcessHandle(DWORD processId) : handle(OpenProcess(SYNCHRONIZE, FALSE, processId)) {}

    bool WaitForEnd(DWORD milliseconds) const {
        return handle && WaitForSingleObject(handle.Get(), milliseconds) == WAIT_OBJECT_0;
    }

private:
    TKernelHandle handle;
};

DWORD ProcessOf(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

}  // namespace

TInstanceMailbox::TRequestControl::TRequestControl(TWindow& ownerWindow)
    : TControl(ownerWindow),
      openMessage(RegisterWindowMessageW(OpenMessageName)),
      quitMessage(RegisterWindowMessageW(QuitMessageName)) {}

bool TInstanceMailbox::TRequestControl::ProcessMessage(TWindow::TMessage& message) {
    const TCallback* const action = message.message == openMessage ? &onOpen
                                  : message.message == quitMessage ? &onQuit
                                                                   : nullptr;
    // A failed registration leaves 0, which is WM_NULL and no request.
    if (action == nullptr || message.message == 0) {
        return false;
    }
    if (*action) {
        const TCallback call = *action;
        call();
    }
    message.result = 1;
    return true;
}

TInstanceMailbox::TInstanceMailbox(const std::wstring& title)
    : window(std::make_unique<TWindow>(title, false, nullptr)), requests(std::make_unique<TRequestControl>(*window)) {}

void TInstanceMailbox::SetOnOpen(const TCallback& callback) {
    requests->onOpen = callback;
}

void TInstanceMailbox::SetOnQuit(const TCallback& callback) {
    requests->onQuit = callback;
}

HWND FindInstanceMailbox(const std::wstring& title, TInstanceLock& lock, DWORD milliseconds) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    for (;;) {
        const HWND mailbox = FindWindowW(L"TWindow", title.c_str());
        if (mailbox != nullptr) {
            return mailbox;
        }
        // The instance may be starting (its mailbox is not made yet) or ending (its lock comes free).
        if (lock.WaitToHold(PollMilliseconds) || GetTickCount64() >= deadline) {
            return nullptr;
        }
    }
}

void AskToOpenConfiguration(HWND mailbox) {
    AllowSetForegroundWindow(ProcessOf(mailbox));
    // Sent rather than posted: this process stays alive, and so does the foreground right it gave,
    // until the running instance has brought its window to the front.
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(mailbox, RegisterWindowMessageW(OpenMessageName), 0, 0, SMTO_ABORTIFHUNG, AnswerMilliseconds,
                        &answer);
}

bool AskToQuit(HWND mailbox, DWORD milliseconds) {
    const TProcessHandle process(ProcessOf(mailbox));
    PostMessageW(mailbox, RegisterWindowMessageW(QuitMessageName), 0, 0);
    return process.WaitForEnd(milliseconds);
}
