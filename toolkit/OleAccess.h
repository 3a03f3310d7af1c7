#pragma once

#include <windows.h>

#include <oleacc.h>

// The functions of oleacc.dll that answer screen readers, looked up once from the system folder
// (the library is no KnownDLL). Each is null where the library or the function is missing, and
// accessibility then does nothing.
struct TOleAccess {
    decltype(&AccessibleObjectFromWindow) accessibleObjectFromWindow;
    decltype(&CreateStdAccessibleObject) createStdAccessibleObject;
    decltype(&LresultFromObject) lresultFromObject;
};

const TOleAccess& OleAccess();
