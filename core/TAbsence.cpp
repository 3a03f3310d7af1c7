#include "core/TAbsence.h"

void TAbsence::Leave(TReason reason, const std::string& now) {
    if (!IsAway()) {
        since = now;
    }
    Flag(reason) = true;
}

std::string TAbsence::Return(TReason reason) {
    bool& flag = Flag(reason);
    if (!flag) {
        return std::string();
    }
    flag = false;
    return IsAway() ? std::string() : since;
}

bool TAbsence::IsAway() const {
    return locked || asleep || idle;
}

bool TAbsence::Holds(TReason reason) const {
    return reason == TReason::locked ? locked : reason == TReason::asleep ? asleep : idle;
}

bool& TAbsence::Flag(TReason reason) {
    return reason == TReason::locked ? locked : reason == TReason::asleep ? asleep : idle;
}
