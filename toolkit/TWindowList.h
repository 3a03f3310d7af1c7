#pragma once

#include <vector>

class TWindow;

// The windows that get dialog-style keyboard handling in the message loop; not owning.
using TWindowList = std::vector<TWindow*>;
