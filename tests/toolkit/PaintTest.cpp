#include "toolkit/TControlText.h"
#include "toolkit/GdiHolders.h"
#include "toolkit/TWindow.h"
#include "toolkit/TextLines.h"

#include "TDibCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

namespace {

constexpr COLORREF TextBackground = RGB(200, 40, 40);

struct TTextCase {
    std::wstring text;
    TPoint position;
    TSize size;  // 0 by 0: no text control at all
};

class PaintTest : public testing::TestWithParam<TTextCase> {
protected:
    PaintTest() {
        window.Move(TPoint(40, 40), TSize(300, 200));
        window.Show(false);
    }

    void Repaint() { RedrawWindow(window.GetHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }

    TWindow window{L"paint", false, nullptr};
    const COLORREF face = window.GetBackgroundColor().ToColorRef();
};

// The text's rectangle covers width - 1 by height - 1 pixels, the rest is the button face colour. The
// text is centred on its rectangle or, when larger, starts at its top-left corner and is not clipped.
TEST_P(PaintTest, FillsTheClientAreaAndCentresTheTextOnItsRectangle) {
    const TTextCase& c = GetParam();
    std::unique_ptr<TControlText> text;
    if (c.size.width > 0) {
        text = std::make_unique<TControlText>(window, c.text, TColor(200, 40, 40));
        text->Move(c.position, c.size);
    }
    Repaint();
    const TSize client = window.GetClientSize();
    const TDibCanvas canvas(client.width, client.height);
    const HDC screen = GetDC(window.GetHandle());
    BitBlt(canvas.GetHandle(), 0, 0, client.width, client.height, screen, 0, 0, SRCCOPY);
    ReleaseDC(window.GetHandle(), screen);

    EXPECT_EQ(face, GetSysColor(COLOR_BTNFACE));
    RECT ink{};
    const auto inkPixels = canvas.PixelsOtherThan(face, TextBackground, &ink);
    if (!c.text.empty()) {
        // The text is drawn in its window's font.
        const TSelectedFont font(canvas.GetHandle(), window.GetFont());
        const TSize block = MeasureTextLines(canvas.GetHandle(), c.text);
        const LONG left = c.position.x + std::max(0, c.size.width / 2 - block.width / 2);
        const LONG top = c.position.y + std::max(0, c.size.height / 2 - block.height / 2);
        EXPECT_GE(ink.left, left);
        EXPECT_LE(ink.left, left + 2);
        EXPECT_GE(ink.top, top);
        EXPECT_LE(ink.right, left + block.width);
        EXPECT_LE(ink.bottom, top + block.height);
    }
    int wrong = 0;
    for (LONG y = 0; y < canvas.height; ++y) {
        for (LONG x = 0; x < canvas.width; ++x) {
            const bool inside = x >= c.position.x && x < c.position.x + c.size.width - 1 && y >= c.position.y &&
                                y < c.position.y + c.size.height - 1;
            wrong += !inkPixels.contains({x, y}) && canvas.At(x, y) != (inside ? TextBackground : face);
        }
    }
    EXPECT_EQ(wrong, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PaintTest,
    testing::Values(TTextCase{L"", TPoint(0, 0), TSize(0, 0)}, TTextCase{L"", TPoint(20, 30), TSize(50, 20)},
                    TTextCase{L"Two lines\ncentred", TPoint(60, 100), TSize(151, 91)},
                    TTextCase{L"Much wider than its box\nand taller", TPoint(20, 30), TSize(40, 10)}));

// Windows counts the process's GDI objects; Wine does not, but hands a new object the slot freed
// last, so the slot of a probe climbs only while objects leak.
DWORD GdiUsage() {
    if (const DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); count != 0) {
        return count;
    }
    const HBRUSH probe = CreateSolidBrush(RGB(0, 0, 0));
    DeleteObject(probe);
    return LOWORD(reinterpret_cast<ULONG_PTR>(probe));
}

TEST_F(PaintTest, RepaintingLeavesNoGdiObjectBehind) {
    TControlText text(window, L"Time left: 00:04:59", TColor(200, 40, 40));
    text.Move(TPoint(10, 10), TSize(200, 40));
    Repaint();
    const DWORD before = GdiUsage();
    for (int i = 0; i < 300; ++i) {
        Repaint();
    }
    EXPECT_LT(GdiUsage(), before + 20);
}

}  // namespace
