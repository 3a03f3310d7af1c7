#include "ui/TInstanceLock.h"

TInstanceLock::TInstanceLock(const std::wstring& name)
    : mutex(CreateMutexW(nullptr, TRUE, name.c_str())),
      held(!mutex || GetLastError() != ERROR_ALREADY_EXISTS) {}

TInstanceLock::~TInstanceLock() {
    if (mutex && held) {
        ReleaseMutex(mutex.Get());
    }
}

bool TInstanceLock::IsHeld() const {
    return held;
}

bool TInstanceLock::WaitToHold(DWORD milliseconds) {
    if (!held) {
        // Abandoned: the holder ended without letting go (it crashed or was ended from outside).
        const DWORD result = WaitForSingleObject(mutex.Get(), milliseconds);
        held = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
    }
    return held;
}
