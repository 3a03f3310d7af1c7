#pragma once

#include <cstdint>
#include <functional>
#include <string>

// The width of a text in some font, in pixels.
using TTextWidth = std::function<std::int32_t(const std::wstring& text)>;

// The text broken into lines (separated by line feeds) no wider than maxWidth where it can be:
// at spaces, which the break swallows, and inside a word only where the word alone is wider, as
// in languages written without spaces. A line holds one character at least.
std::wstring WrapText(const std::wstring& text, std::int32_t maxWidth, const TTextWidth& width);
