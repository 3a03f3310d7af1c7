#pragma once

#include <windows.h>

#include <algorithm>
#include <set>
#include <utility>

// A white bitmap in a memory device context, whose pixels a test reads back.
class TDibCanvas {
public:
    TDibCanvas(int canvasWidth, int canvasHeight) : width(canvasWidth), height(canvasHeight) {
        const HDC screen = GetDC(nullptr);
        bitmap = CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(nullptr, screen);
        previous = SelectObject(dc, bitmap);
        Clear();
    }
    ~TDibCanvas() {
        SelectObject(dc, previous);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    TDibCanvas(const TDibCanvas&) = delete;
    TDibCanvas& operator=(const TDibCanvas&) = delete;

    HDC GetHandle() const { return dc; }
    void Clear() { PatBlt(dc, 0, 0, width, height, WHITENESS); }
    COLORREF At(LONG x, LONG y) const { return GetPixel(dc, x, y); }

    // The pixels of neither colour, as (x, y), and their bounds (right and bottom exclusive).
    std::set<std::pair<LONG, LONG>> PixelsOtherThan(COLORREF first, COLORREF second, RECT* bounds = nullptr) const {
        std::set<std::pair<LONG, LONG>> found;
        RECT box{width, height, 0, 0};
        for (LONG y = 0; y < height; ++y) {
            for (LONG x = 0; x < width; ++x) {
                if (const COLORREF seen = At(x, y); seen != first && seen != second) {
                    found.emplace(x, y);
                    box = RECT{std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                               std::max(box.bottom, y + 1)};
                }
            }
        }
        if (bounds != nullptr) {
            *bounds = box;
        }
        return found;
    }

    const LONG width;
    const LONG height;

private:
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
};
