#include "core/FileSystemPath.h"

#include "core/NativeText.h"

#include <algorithm>

// Here the paths come in Windows form; "\" becomes this system's separator.
std::filesystem::path FileSystemPath(const std::wstring& path) {
    std::wstring native = path;
    std::replace(native.begin(), native.end(), L'\\', L'/');
    return std::filesystem::path(Utf8FromWide(native));
}
