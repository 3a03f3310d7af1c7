#include "toolkit/OleAccess.h"

#include "core/SystemLibrary.h"

const TOleAccess& OleAccess() {
    // Kept: the objects it makes live on in a screen reader's hands.
    static const TOleAccess functions{
        KeptSystemFunction<decltype(&AccessibleObjectFromWindow)>(L"oleacc.dll", "AccessibleObjectFromWindow"),
        KeptSystemFunction<decltype(&CreateStdAccessibleObject)>(L"oleacc.dll", "CreateStdAccessibleObject"),
        KeptSystemFunction<decltype(&LresultFromObject)>(L"oleacc.dll", "LresultFromObject"),
    };
    return functions;
}
