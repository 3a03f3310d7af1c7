#pragma once

#include "core/Win32Handles.h"

#include <string>

// Held by the one running instance of the program in a session: a named mutex. Named in the
// session's own namespace ("Local\..."), so another user signed in on the same machine holds their own.
class TInstanceLock {
public:
    explicit TInstanceLock(const std::wstring& name);
    ~TInstanceLock();

    // True when this process holds the lock, or when the system gave no lock at all (then every
    // start runs on its own, as it would without the lock).
    bool IsHeld() const;

    // Waits up to the given time for the instance that holds the lock to end, and then holds it.
    bool WaitToHold(DWORD milliseconds);

private:
    TKernelHandle mutex;
    bool held;
};
