#pragma once

#include "toolkit/TPoint.h"
#include "toolkit/TSize.h"
#include "toolkit/TWindow.h"

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

// One column of a bar chart, drawn by the toolkit: a bar of two stacked segments in system colours
// standing on a base line, a text above it and lines of text under it, all in the window's font and
// text colour; screen readers read it as one static text of its own.
class TControlColumn : public TWindow::TControl {
public:
    // The segments' colours, from the bottom up, as GetSysColor indexes, so that a high-contrast
    // scheme or a change of colours reaches them.
    TControlColumn(TWindow& ownerWindow, std::array<int, 2> segmentColors);
    ~TControlColumn() override;

    void Paint(HDC& dc) override;
    bool GetAccessibleItem(TAccessibleItem& item) const override;

    // The segments' values from the bottom up, and the value that fills the bar's whole height.
    void SetValues(std::array<std::int64_t, 2> values, std::int64_t full);
    void SetTexts(const std::wstring& above, const std::wstring& below, const std::wstring& accessibleName);
    void Move(TPoint newPosition, TSize newSize);

    // The width the texts need and the height they take above and below the bar together.
    TSize GetTextSize() const;
    // A segment's rectangle in the window's client coordinates; empty for a segment of no value.
    RECT GetSegmentRect(std::size_t index) const;

private:
    std::int32_t AboveHeight() const;
    // The base line's thickness, and the height under the bar: base line, gap and text.
    std::int32_t BaseLine() const;
    std::int32_t BelowHeight() const;

    std::array<int, 2> colors;
    std::array<std::int64_t, 2> segments{};
    std::int64_t scale = 1;
    std::wstring aboveText;
    std::wstring belowText;
    std::wstring name;
    TPoint position;
    TSize size;
};
