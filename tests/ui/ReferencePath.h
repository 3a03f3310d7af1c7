#pragma once

#include <string>

// The reference picture of the given name, in the tests' source folder.
std::wstring ReferencePath(const char* name);
