#pragma once

#include "core/TSettingsOptions.h"

// What the configuration window's OK refuses, in the order the window shows the controls. An
// option that is off is not checked: its values wait unused.
enum class TOptionProblem { none, eyePauseNotShorter, sameWorkingHours, noWorkingDay };

TOptionProblem CheckOptions(const TSettingsOptions& options);

// Gives the defaults to values that belong together but do not fit together as read from a file
// (an eye pause not shorter than its interval, hours from and to the same time, no working day),
// whether the option is on or not, so that turning it on never starts from values OK would refuse.
void MendOptions(TSettingsOptions& options);
