#pragma once

#include <functional>

// A stored action; empty until assigned, and only called when set.
using TCallback = std::function<void()>;
