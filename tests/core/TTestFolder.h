#pragma once

#include "core/FileSystem.h"
#include "core/FileSystemPath.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

// A fresh folder under the temporary folder, removed with everything in it at the end of the test.
class TTestFolder {
public:
    explicit TTestFolder(const std::wstring& name = L"tavelin-test") {
        std::random_device random;
        wide = std::filesystem::temp_directory_path().wstring() + L"\\" + name + L"-" + std::to_wstring(random());
        path = FileSystemPath(wide);
        std::filesystem::create_directories(path);
    }
    ~TTestFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    TTestFolder(const TTestFolder&) = delete;
    TTestFolder& operator=(const TTestFolder&) = delete;

    // The folder in the form the program uses, "\" between the parts.
    std::wstring Wide(const std::wstring& child = L"") const {
        return child.empty() ? wide : wide + L"\\" + child;
    }
    const std::filesystem::path& Path() const { return path; }

private:
    std::wstring wide;
    std::filesystem::path path;
};

inline void WriteBytes(const std::wstring& file, const std::string& bytes) {
    std::ofstream output(FileSystemPath(file), std::ios::binary);
    output << bytes;
}

inline std::string ReadBytes(const std::wstring& file) {
    std::ifstream input(FileSystemPath(file), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>());
}
