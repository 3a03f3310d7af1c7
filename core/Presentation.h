#pragma once

#include <functional>

// True while the user presents or runs a program in full screen: the system is then busy, runs
// full-screen Direct3D or is in presentation mode. Never true where the platform cannot tell.
bool IsPresenting();

// Asks the same; replaceable so that the schedule can be tested.
using TPresentationQuery = std::function<bool()>;
