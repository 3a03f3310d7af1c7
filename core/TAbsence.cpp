#include "core/TAbsence.h"

void TAbsence::Leave(TReason reason, const std::string& now) {
    if (!IsAway()) {
        since = now;
    }
    (reason == TReason::locked ? locked : asleep) = true;
}

std::string TAbsence::Return(TReason reason) {
    bool& flag = reason == TReason::locked ? locked : asleep;
    if (!flag) {
        return std::string();
    }
    flag = false;
    return IsAway() ? std::string() : since;
}

bool TAbsence::IsAway() const {
    return locked || asleep;
}
