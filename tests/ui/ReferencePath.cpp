#include "ReferencePath.h"

// TAVELIN_UI_REFERENCES is defined for this file alone: the compiler cache then finds the other
// tests' objects again in a clone elsewhere.
std::wstring ReferencePath(const char* name) {
    const std::string path = std::string(TAVELIN_UI_REFERENCES) + "/" + name + ".png";
    return std::wstring(path.begin(), path.end());
}
