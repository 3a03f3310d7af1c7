#pragma once

#include <utility>

// Runs an action when the scope ends, however it ends (a return, an exception), so a flag set for
// the length of a call is always reset.
template <typename Action>
class TScopeGuard {
public:
    explicit TScopeGuard(Action onExit) : action(std::move(onExit)) {}
    ~TScopeGuard() { action(); }
    TScopeGuard(const TScopeGuard&) = delete;
    TScopeGuard& operator=(const TScopeGuard&) = delete;

private:
    Action action;
};
