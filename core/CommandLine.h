#pragma once

#include <string>
#include <vector>

// True when one of the arguments (the program's own name not among them) is "/quit" or "-quit" in
// any mix of cases: the start then only asks a running instance to end. Other arguments mean nothing.
bool IsQuitCommand(const std::vector<std::wstring>& arguments);
