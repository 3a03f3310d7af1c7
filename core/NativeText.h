#pragma once

#include <string>

// The native build's file names are UTF-8 while the program's paths are wide text; these convert
// without depending on the process locale. Invalid sequences become U+FFFD.
std::u8string Utf8FromWide(const std::wstring& text);
std::wstring WideFromUtf8(const std::string& text);
