#pragma once

#include <windows.h>

// A library that is not one of Windows' KnownDLLs is looked for in the program's folder first,
// where a web page may have dropped one of that name beside a downloaded exe. Such libraries are
// loaded through these, from the system folder alone, when first needed.

// Makes every later load by name, the program's and that of the system libraries it uses, search
// the system folder only. The first thing the process does.
void LimitLibrarySearchToSystemFolder();

// The named library from the system folder, owned by the caller (FreeLibrary); null when it is
// missing there.
HMODULE LoadSystemLibrary(const wchar_t* name);

// The function of that name in the module, as the pointer type given; null when either is missing.
template <typename TFunction>
TFunction LibraryFunction(HMODULE module, const char* name) {
    if (module == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<TFunction>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// A function of a system library whose objects outlive any one caller (help viewers, accessible
// objects, session registrations): the library stays loaded until the process ends. Callers keep
// the result, so that each library is loaded once per function.
template <typename TFunction>
TFunction KeptSystemFunction(const wchar_t* library, const char* name) {
    return LibraryFunction<TFunction>(LoadSystemLibrary(library), name);
}
