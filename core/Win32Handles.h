#pragma once

#include "core/TScopedHandle.h"

#include <windows.h>

// The plain handle kinds the program holds, each with the one function that releases it.

// A kernel object: a file, a mutex, a process. CreateFileW's INVALID_HANDLE_VALUE is turned to
// null (OpenedFile) before it is held.
using TKernelHandle = TScopedHandle<HANDLE, &CloseHandle>;
using TRegistryHandle = TScopedHandle<HKEY, &RegCloseKey>;
using TLibrary = TScopedHandle<HMODULE, &FreeLibrary>;
using TIconHandle = TScopedHandle<HICON, &DestroyIcon>;
using TMenuHandle = TScopedHandle<HMENU, &DestroyMenu>;
using TLocalMemory = TScopedHandle<HLOCAL, &LocalFree>;

// CreateFileW's answer as a handle to hold: its failure value is not null.
inline HANDLE OpenedFile(HANDLE file) {
    return file == INVALID_HANDLE_VALUE ? nullptr : file;
}
