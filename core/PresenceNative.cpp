#include "core/Presence.h"

std::uint64_t MillisecondsSinceLastInput() {
    return 0;
}

bool IsDisplayRequired() {
    return false;
}

bool IsCaptureInUse(const std::wstring&) {
    return false;
}
