#include "toolkit/TBackgroundMode.h"

TBackgroundMode::TBackgroundMode(HDC dcHandle, bool transparent)
    : dc(dcHandle), previousMode(SetBkMode(dcHandle, transparent ? TRANSPARENT : OPAQUE)) {}

TBackgroundMode::~TBackgroundMode() {
    // 0 means the mode could not be set, so there is nothing to restore.
    if (previousMode != 0) {
        SetBkMode(dc, previousMode);
    }
}
