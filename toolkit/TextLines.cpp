#include "toolkit/TextLines.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace {

// Split as a stream read with the line feed as delimiter: a trailing line feed starts no further line.
std::vector<std::wstring> SplitLines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

int Length(const std::wstring& line) {
    return static_cast<int>(std::min<std::size_t>(line.size(), INT_MAX));
}

SIZE Extent(HDC dc, const std::wstring& line) {
    SIZE extent{};
    GetTextExtentPoint32W(dc, line.c_str(), Length(line), &extent);
    if (line.empty()) {
        // An empty string measures 0 high, which would make an empty line vanish: it takes the
        // height of a line of the font, with no width.
        SIZE blank{};
        GetTextExtentPoint32W(dc, L" ", 1, &blank);
        extent.cy = blank.cy;
    }
    return extent;
}

std::int32_t LineAdvance(std::int32_t lineHeight) {
    return lineHeight * 6 / 5;
}

}  // namespace

TSize MeasureTextLines(HDC dc, const std::wstring& text) {
    TSize size(0, 0);
    bool first = true;
    for (const std::wstring& line : SplitLines(text)) {
        const SIZE extent = Extent(dc, line);
        size.width = std::max(size.width, static_cast<std::int32_t>(extent.cx));
        size.height += first ? extent.cy : LineAdvance(extent.cy);
        first = false;
    }
    return size;
}

void DrawTextLines(HDC dc, const std::wstring& text, TPoint topLeft) {
    std::int32_t y = topLeft.y;
    for (const std::wstring& line : SplitLines(text)) {
        TextOutW(dc, topLeft.x, y, line.c_str(), Length(line));
        y += LineAdvance(Extent(dc, line).cy);
    }
}
