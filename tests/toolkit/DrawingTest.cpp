#include "toolkit/GdiHolders.h"
#include "toolkit/TextLines.h"

#include "TDibCanvas.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

constexpr COLORREF White = RGB(255, 255, 255);

// Lines exactly 16 pixels high, so the 6/5 advance shows its truncation: 19, not 19.2.
class TextLinesTest : public testing::Test {
protected:
    TextLinesTest() { EXPECT_EQ(Extent(L"Ab").cy, 16) << "the font does not give 16-pixel lines"; }

    SIZE Extent(const std::wstring& line) const {
        SIZE extent{};
        GetTextExtentPoint32W(canvas.GetHandle(), line.c_str(), static_cast<int>(line.size()), &extent);
        return extent;
    }

    TDibCanvas canvas{60, 90};
    TSelectedObject font{canvas.GetHandle(),
                         CreateFontW(16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                     CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, L"Tahoma")};
};

struct TMeasureCase {
    std::wstring text;
    std::wstring widestLine;
    std::int32_t height;
};

class MeasureTest : public TextLinesTest, public testing::WithParamInterface<TMeasureCase> {};

TEST_P(MeasureTest, IsAsWideAsTheWidestLineAndAdvancesBySixFifths) {
    const TSize size = MeasureTextLines(canvas.GetHandle(), GetParam().text);
    EXPECT_EQ(size, TSize(GetParam().widestLine.empty() ? 0 : Extent(GetParam().widestLine).cx, GetParam().height));
}

INSTANTIATE_TEST_SUITE_P(Texts, MeasureTest,
                         testing::Values(TMeasureCase{L"", L"", 0}, TMeasureCase{L"Ab\n", L"Ab", 16},  // no last line
                                         TMeasureCase{L"Ab\nWWWW", L"WWWW", 35},                       // 16 + 19
                                         TMeasureCase{L"Ab\n\nx", L"Ab", 54},       // an empty line keeps its height
                                         TMeasureCase{L"Ab\r\ncd", L"Ab\r", 35}));  // CR kept and measured

class DrawTest : public TextLinesTest, public testing::WithParamInterface<std::pair<std::wstring, std::vector<int>>> {};

// The parameter says where copies of a lone "X" are expected, in line advances below the top.
TEST_P(DrawTest, DrawsEachLineAtTheSameLeftEdgeNineteenPixelsBelowThePrevious) {
    DrawTextLines(canvas.GetHandle(), L"X", TPoint(10, 10));
    std::set<std::pair<LONG, LONG>> expected;
    for (const int down : GetParam().second) {
        for (const auto& [x, y] : canvas.PixelsOtherThan(White, White)) {
            expected.emplace(x, y + down * 19);
        }
    }
    canvas.Clear();
    DrawTextLines(canvas.GetHandle(), GetParam().first, TPoint(10, 10));
    EXPECT_EQ(canvas.PixelsOtherThan(White, White), expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, DrawTest,
                         testing::Values(std::pair{L"", std::vector<int>{}}, std::pair{L"X\n", std::vector{0}},
                                         std::pair{L"\nX", std::vector{1}},
                                         std::pair{L"X\n\nX\nX", std::vector{0, 2, 3}}));

TEST(TextBlockTest, DrawnCellsCoverExactlyTheMeasuredBlock) {
    const TDibCanvas canvas(200, 120);
    const std::wstring text = L"A wide first line\nx\n\nmiddle";
    SetBkColor(canvas.GetHandle(), RGB(128, 128, 128));
    const TBackgroundMode opaque(canvas.GetHandle(), false);
    DrawTextLines(canvas.GetHandle(), text, TPoint(7, 5));

    const TSize size = MeasureTextLines(canvas.GetHandle(), text);
    RECT drawn{};
    canvas.PixelsOtherThan(White, White, &drawn);
    const RECT measured{7, 5, 7 + size.width, 5 + size.height};
    EXPECT_TRUE(EqualRect(&drawn, &measured));
}

TEST(HolderTest, RestoresWhatWasSelectedAndSetAndDeletesWhatItCreated) {
    const TDibCanvas canvas(8, 8);
    const HDC dc = canvas.GetHandle();
    const HGDIOBJ oldPen = GetCurrentObject(dc, OBJ_PEN);
    const HGDIOBJ oldBrush = GetCurrentObject(dc, OBJ_BRUSH);
    SetBkMode(dc, TRANSPARENT);
    // Not PS_NULL: that gives the stock pen, which is never deleted.
    const HGDIOBJ pen = CreatePen(PS_SOLID, 1, RGB(4, 5, 6));
    const HGDIOBJ brush = CreateSolidBrush(RGB(1, 2, 3));
    const HGDIOBJ unselectable = CreateSolidBrush(RGB(1, 2, 3));
    {
        const TSelectedObject brushHolder(dc, brush);
        const TSelectedObject penHolder(dc, pen);
        const TSelectedObject failed(nullptr, unselectable);
        const TBackgroundMode opaque(dc, false);
        EXPECT_EQ(GetBkMode(dc), OPAQUE);
        const TBackgroundMode transparent(dc, true);
        EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
        EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
        EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
    }
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), oldPen);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), oldBrush);
    EXPECT_EQ(GetObjectType(pen) + GetObjectType(brush) + GetObjectType(unselectable), 0u);
}

}  // namespace
