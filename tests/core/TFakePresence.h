#pragma once

#include "core/PauseSchedule.h"

#include "TStringTables.h"

#include <cstdint>
#include <string>
#include <vector>

// Stands in for the readings of the user's presence and records the heads-ups and the call reads.
struct TFakePresence {
    std::uint64_t millisecondsSinceInput = 0;
    bool displayRequired = false;
    bool presenting = false;
    bool inCall = false;
    int callReads = 0;
    std::vector<std::wstring> headsUps;

    TPresenceSources Sources() {
        return {[this] { return millisecondsSinceInput; }, [this] { return displayRequired; },
                [this] { return presenting; },
                [this] {
                    ++callReads;
                    return inCall;
                }};
    }
    THeadsUpCallback HeadsUp() {
        return [this](const std::string& pauseLength, std::int64_t secondsLeft) {
            headsUps.push_back(HeadsUpText(EnglishTexts(), pauseLength, secondsLeft));
        };
    }
};
