#include "ui/TEndSound.h"

#include "ui/SoundIds.h"

#include "core/SystemLibrary.h"

#include <mmsystem.h>

TEndSound::~TEndSound() {
    Stop();
}

bool TEndSound::Play() {
    if (!library) {
        library.Reset(LoadSystemLibrary(L"winmm.dll"));
        playSound = LibraryFunction<TPlaySound>(library.Get(), "PlaySoundW");
    }
    if (playSound == nullptr) {
        return false;
    }
    // No default sound in its place: a missing resource stays silent rather than beeping.
    return playSound(MAKEINTRESOURCEW(IDR_END_SOUND), GetModuleHandleW(nullptr),
                     SND_RESOURCE | SND_ASYNC | SND_NODEFAULT) != FALSE;
}

void TEndSound::Stop() {
    if (playSound != nullptr) {
        playSound(nullptr, nullptr, 0);
    }
    playSound = nullptr;
    library.Reset();
}

bool TEndSound::IsLoaded() const {
    return static_cast<bool>(library);
}
