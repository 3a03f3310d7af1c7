#pragma once

#include <string>

// Whether the user is away from the computer, why, and since when. The reasons can overlap: a
// session is often locked first and the computer then put to sleep, and no input comes meanwhile;
// the user is back only once none holds.
class TAbsence {
public:
    enum class TReason { locked, asleep, idle };

    // The first reason sets the moment of leaving; a reason already recorded changes nothing.
    void Leave(TReason reason, const std::string& now);

    // Clears the reason. The moment of leaving when that was the last one; the empty text while
    // another reason holds, or when the reason was not recorded (a wake without a sleep).
    std::string Return(TReason reason);

    bool IsAway() const;
    bool Holds(TReason reason) const;

private:
    bool& Flag(TReason reason);

    bool locked = false;
    bool asleep = false;
    bool idle = false;
    std::string since;
};
