#pragma once

#include "core/Win32Handles.h"

#include <windows.h>

// The program's own sound for the end of a pause, a WAVE resource of the program file, played
// through the system's sound output, so that its volume and mute apply. The sound library is no
// KnownDLL: it is loaded from the system folder when the sound plays and let go by Stop, so that
// nothing of it stays loaded between pauses.
class TEndSound {
public:
    TEndSound() = default;
    TEndSound(const TEndSound&) = delete;
    TEndSound& operator=(const TEndSound&) = delete;
    ~TEndSound();

    // Starts the sound and returns at once; false when it cannot play (no library, no sound
    // device, no such resource).
    bool Play();
    // Ends a sound still playing and unloads the library.
    void Stop();
    bool IsLoaded() const;

private:
    using TPlaySound = BOOL(WINAPI*)(LPCWSTR sound, HMODULE module, DWORD flags);

    // The sound plays on from the loaded library until Stop.
    TLibrary library;
    TPlaySound playSound = nullptr;
};
