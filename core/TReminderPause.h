#pragma once

#include <cstdint>
#include <string>

// Reminders held off for a while at the user's wish. The end is a moment of the steady clock, so
// setting the wall clock neither stretches nor cuts the time. Kept in memory only: every start of
// the program begins with reminders on.
class TReminderPause {
public:
    // The choices, in the order the menu offers them.
    enum class TChoice { for30Minutes, for1Hour, for2Hours, untilTomorrow };

    // The length (duration text) a choice stands for when made at the wall-clock time wallNow:
    // "until tomorrow" lasts to the next 06:00 after it, a whole day when made at 06:00:00. Empty
    // when wallNow is not a calendar time.
    static std::string LengthOf(TChoice choice, const std::string& wallNow);

    // Holds reminders from now (steady clock) for the length; wallNow, read at the same moment,
    // tells when that is on the clock the user sees. An unreadable time or length holds nothing:
    // reminders are never lost for good.
    void Begin(const std::string& now, const std::string& wallNow, const std::string& length);
    void End();

    // From Begin until End, even once the time is up: the schedule ends it at its next tick.
    bool IsActive() const;
    bool IsOver(const std::string& now) const;

    // The end as the wall clock will show it (timestamp text): as foreseen at Begin, moved by the
    // whole minutes the wall clock has been set since. Rounding to minutes keeps the second by which
    // the two clocks' readings differ from tick to tick from moving it.
    std::string WallClockEnd(const std::string& now, const std::string& wallNow) const;

private:
    std::string until;
    std::string wallUntil;
    // Seconds the wall clock was ahead of the steady one at Begin.
    std::int64_t wallAhead = 0;
};
