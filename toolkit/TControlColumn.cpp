#include "toolkit/TControlColumn.h"

#include "toolkit/GdiHolders.h"
#include "toolkit/TextLines.h"

#include <algorithm>

namespace {

TSize MeasureInFont(HFONT font, const std::wstring& text) {
    const TWindowDC screen(nullptr);
    const TSelectedFont selected(screen.GetHandle(), font);
    // An empty text still takes a line, so that every column's bar starts at the same height.
    return MeasureTextLines(screen.GetHandle(), text.empty() ? L" " : text);
}

void DrawCentred(HDC dc, const std::wstring& text, std::int32_t centreX, std::int32_t top) {
    const TSize block = MeasureTextLines(dc, text);
    DrawTextLines(dc, text, TPoint(centreX - block.width / 2, top));
}

}  // namespace

TControlColumn::TControlColumn(TWindow& ownerWindow, std::array<int, 2> segmentColors)
    : TControl(ownerWindow), colors(segmentColors), position(0, 0), size(1, 1) {}

TControlColumn::~TControlColumn() = default;

void TControlColumn::SetValues(std::array<std::int64_t, 2> values, std::int64_t full) {
    segments = {std::max<std::int64_t>(values[0], 0), std::max<std::int64_t>(values[1], 0)};
    scale = std::max<std::int64_t>({full, segments[0] + segments[1], 1});
    if (owner != nullptr) {
        owner->Invalidate();
    }
}

void TControlColumn::SetTexts(const std::wstring& above, const std::wstring& below, const std::wstring& accessibleName) {
    aboveText = above;
    belowText = below;
    name = accessibleName;
    if (owner != nullptr) {
        owner->Invalidate();
    }
}

void TControlColumn::Move(TPoint newPosition, TSize newSize) {
    position = newPosition;
    size = newSize;
    if (owner != nullptr) {
        owner->Invalidate();
    }
}

std::int32_t TControlColumn::AboveHeight() const {
    return MeasureInFont(OwnerFont(), aboveText).height;
}

std::int32_t TControlColumn::BaseLine() const {
    return owner == nullptr ? 1 : std::max(owner->Scale(1), 1);
}

std::int32_t TControlColumn::BelowHeight() const {
    // The base line and a small gap stand between the bar and the text.
    return BaseLine() + (owner == nullptr ? 2 : owner->Scale(2)) + MeasureInFont(OwnerFont(), belowText).height;
}

TSize TControlColumn::GetTextSize() const {
    const TSize above = MeasureInFont(OwnerFont(), aboveText);
    const TSize below = MeasureInFont(OwnerFont(), belowText);
    return TSize(std::max(above.width, below.width), above.height + BelowHeight());
}

RECT TControlColumn::GetSegmentRect(std::size_t index) const {
    const std::int32_t barTop = position.y + AboveHeight();
    const std::int32_t barBottom = position.y + size.height - BelowHeight();
    const std::int64_t barHeight = std::max(barBottom - barTop, 0);
    // Two thirds of the column's width, centred.
    const std::int32_t barWidth = std::max(size.width * 2 / 3, 1);
    const std::int32_t left = position.x + (size.width - barWidth) / 2;
    std::int64_t below = 0;
    for (std::size_t i = 0; i < index; ++i) {
        below += segments[i];
    }
    const auto bottom = static_cast<std::int32_t>(barBottom - barHeight * below / scale);
    const auto top = static_cast<std::int32_t>(barBottom - barHeight * (below + segments[index]) / scale);
    if (segments[index] == 0) {
        return RECT{left, bottom, left, bottom};
    }
    return RECT{left, top, left + barWidth, bottom};
}

void TControlColumn::Paint(HDC& dc) {
    if (owner == nullptr) {
        return;
    }
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const RECT segment = GetSegmentRect(i);
        if (segment.right > segment.left) {
            const TSelectedObject brush(dc, CreateSolidBrush(GetSysColor(colors[i])));
            const TSelectedObject pen(dc, CreatePen(PS_NULL, 0, 0));
            // A null pen draws nothing and leaves the rectangle a pixel short at the right and bottom.
            Rectangle(dc, segment.left, segment.top, segment.right + 1, segment.bottom + 1);
        }
    }
    const std::int32_t barBottom = position.y + size.height - BelowHeight();
    {
        const TSelectedObject brush(dc, CreateSolidBrush(owner->GetTextColor().ToColorRef()));
        const TSelectedObject pen(dc, CreatePen(PS_NULL, 0, 0));
        Rectangle(dc, position.x, barBottom, position.x + size.width + 1, barBottom + BaseLine() + 1);
    }
    const TSelectedFont font(dc, OwnerFont());
    const TBackgroundMode transparent(dc, true);
    const TTextColor color(dc, owner->GetTextColor());
    const std::int32_t centre = position.x + size.width / 2;
    const RECT top = GetSegmentRect(segments[1] > 0 ? 1 : 0);
    DrawCentred(dc, aboveText, centre, top.top - AboveHeight());
    DrawCentred(dc, belowText, centre, barBottom + BaseLine() + owner->Scale(2));
}

bool TControlColumn::GetAccessibleItem(TAccessibleItem& item) const {
    item.name = name;
    item.child = nullptr;
    item.position = position;
    item.size = size;
    return true;
}
