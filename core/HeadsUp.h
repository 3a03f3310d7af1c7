#pragma once

#include "core/TTexts.h"

#include <cstdint>
#include <string>

// How long before a pause start the heads-up comes: a minute, or a quarter of an interval shorter than
// four minutes (whole seconds, 0 when the interval cannot be read).
std::int64_t HeadsUpLeadSeconds(const std::string& interval);

// "A 5-minute pause begins in 1 minute.": the pause length in its largest whole unit, and the time
// left, a minute from 55 s on, otherwise in seconds; in the language of the texts.
std::wstring HeadsUpText(const TTexts& texts, const std::string& pauseLength, std::int64_t secondsLeft);

// How long without input counts as time away: the pause length, never less than two minutes, so that
// a minute of reading does not take a short pause.
std::int64_t AwayAfterSeconds(const std::string& pauseLength);

// The whole seconds of a duration text; 0 when it cannot be read.
std::int64_t DurationSeconds(const std::string& duration);
