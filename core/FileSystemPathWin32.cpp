#include "core/FileSystemPath.h"

std::filesystem::path FileSystemPath(const std::wstring& path) {
    return std::filesystem::path(path);
}
